// SPDX-License-Identifier: MIT
#include "names.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

TEST(NamesTest, NewUserNameRules) {
    EXPECT_EQ(CheckNewUserName("anna"), 0);
    EXPECT_EQ(CheckNewUserName("A.b-c_9"), 0);
    EXPECT_EQ(CheckNewUserName(std::string(31, 'a')), 0);
    EXPECT_EQ(CheckNewUserName(""), 124);
    EXPECT_EQ(CheckNewUserName(std::string(32, 'a')), 124);
    EXPECT_EQ(CheckNewUserName("an na"), 106);
    EXPECT_EQ(CheckNewUserName("anna!"), 106);
    EXPECT_EQ(CheckNewUserName("\xc3\xa4nna"), 106);
    EXPECT_EQ(CheckNewUserName("$server"), 125);
    EXPECT_EQ(CheckNewUserName("#lobby"), 125);
    EXPECT_EQ(CheckNewUserName("<broadcast>"), 125);
    EXPECT_EQ(CheckNewUserName("SERVER"), 125);
    EXPECT_EQ(CheckNewUserName("Admin"), 125);
    EXPECT_EQ(CheckNewUserName("broadcast"), 125);
    EXPECT_EQ(CheckNewUserName("administrator"), 0);
}

TEST(NamesTest, ChannelNames) {
    EXPECT_TRUE(IsValidChannelName("#a"));
    EXPECT_TRUE(IsValidChannelName("#" + std::string(30, 'x')));
    EXPECT_FALSE(IsValidChannelName("#" + std::string(31, 'x')));
    EXPECT_FALSE(IsValidChannelName("#"));
    EXPECT_FALSE(IsValidChannelName("lobby"));
    EXPECT_FALSE(IsValidChannelName("#a b"));
    EXPECT_FALSE(IsValidChannelName("#a,b"));
    EXPECT_FALSE(IsValidChannelName("#a;b"));
    EXPECT_FALSE(IsValidChannelName("#a\tb"));
}

TEST(NamesTest, EmailAddresses) {
    EXPECT_TRUE(IsValidEmail("anna@example.org"));
    EXPECT_TRUE(IsValidEmail("a.b+c@mail.example.org"));
    EXPECT_FALSE(IsValidEmail(""));
    EXPECT_FALSE(IsValidEmail("anna"));
    EXPECT_FALSE(IsValidEmail("@example.org"));
    EXPECT_FALSE(IsValidEmail("anna@"));
    EXPECT_FALSE(IsValidEmail("anna@localhost"));
    EXPECT_FALSE(IsValidEmail("anna@example."));
    EXPECT_FALSE(IsValidEmail("anna@.org"));
    EXPECT_FALSE(IsValidEmail("anna@@example.org"));
    EXPECT_FALSE(IsValidEmail("an na@example.org"));
    EXPECT_FALSE(IsValidEmail("anna@exa..mple.org"));
    EXPECT_FALSE(IsValidEmail(std::string(250, 'a') + "@example.org"));
}

TEST(NamesTest, BroadcastNameInAnyCase) {
    EXPECT_TRUE(IsBroadcastName("<BroadCast>"));
    EXPECT_FALSE(IsBroadcastName("broadcast"));
}

} // namespace
} // namespace quord
