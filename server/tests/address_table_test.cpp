// SPDX-License-Identifier: MIT
// Connections counted per address, and the address a client counts under.
#include "address_table.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>

namespace quord {
namespace {

std::string KeyOf(const char *text) {
    sockaddr_storage storage{};
    if (inet_pton(AF_INET, text, &reinterpret_cast<sockaddr_in *>(&storage)->sin_addr) == 1) {
        storage.ss_family = AF_INET;
    } else {
        storage.ss_family = AF_INET6;
        inet_pton(AF_INET6, text, &reinterpret_cast<sockaddr_in6 *>(&storage)->sin6_addr);
    }
    return AddressKey(reinterpret_cast<sockaddr *>(&storage));
}

TEST(AddressTableTest, KeysAreTheIpv4AddressOrTheIpv6Network) {
    EXPECT_EQ(KeyOf("127.0.0.2"), "127.0.0.2");
    EXPECT_EQ(KeyOf("::ffff:10.1.2.3"), "10.1.2.3");
    EXPECT_EQ(KeyOf("2001:db8:1:2:aaaa::1"), "2001:db8:1:2::/64");
    EXPECT_EQ(KeyOf("2001:db8:1:2:bbbb::9"), KeyOf("2001:db8:1:2:aaaa::1"));
    EXPECT_EQ(KeyOf("::1"), "::/64");
}

TEST(AddressTableTest, AdmitsUpToTheLimitPerAddress) {
    AddressTable table(2);
    EXPECT_TRUE(table.Admit("a"));
    EXPECT_TRUE(table.Admit("a"));
    EXPECT_FALSE(table.Admit("a"));
    EXPECT_TRUE(table.Admit("b"));
    EXPECT_EQ(table.CountOf("a"), 2u);
    table.Release("a");
    EXPECT_TRUE(table.Admit("a"));
    table.Release("b");
    EXPECT_EQ(table.addresses(), 1u); // empty counts are forgotten
}

} // namespace
} // namespace quord
