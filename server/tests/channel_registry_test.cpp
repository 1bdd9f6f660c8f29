// SPDX-License-Identifier: MIT
#include "channel_registry.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

TEST(ChannelRegistryTest, CreatedChannelIsFoundIgnoringCase) {
    ChannelRegistry registry;
    Channel &created = registry.Create("#Lobby", kChannelPassworded, {7, "anna"}, "key");
    EXPECT_EQ(registry.Find("#LOBBY"), &created);
    EXPECT_EQ(created.owner, "anna");
    EXPECT_EQ(created.password, "key");
    EXPECT_TRUE(created.HasMember(7));
    EXPECT_FALSE(created.HasMember(8));
    EXPECT_EQ(registry.Find("#other"), nullptr);
}

TEST(ChannelRegistryTest, LastMemberLeavingRemovesTheChannel) {
    ChannelRegistry registry;
    Channel &lobby = registry.Create("#lobby", kChannelStandard, {1, "anna"}, "");
    lobby.members.push_back({2, "bob"});
    EXPECT_FALSE(registry.RemoveMember("#lobby", 3));
    EXPECT_TRUE(registry.RemoveMember("#LOBBY", 1));
    ASSERT_NE(registry.Find("#lobby"), nullptr);
    EXPECT_EQ(registry.Find("#lobby")->members.size(), 1u);
    EXPECT_EQ(registry.Find("#lobby")->owner, "anna");
    EXPECT_TRUE(registry.RemoveMember("#lobby", 2));
    EXPECT_EQ(registry.Find("#lobby"), nullptr);
    EXPECT_TRUE(registry.all().empty());
    EXPECT_FALSE(registry.RemoveMember("#lobby", 2));
}

} // namespace
} // namespace quord
