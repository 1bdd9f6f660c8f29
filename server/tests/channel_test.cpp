// SPDX-License-Identifier: MIT
// Channels: joining, member lists and information, texts, leaving, the
// channel list and invitations.
#include "server_test.h"

namespace quord::testing {
namespace {

using ChannelTest = ServerTest;

TEST_F(ChannelTest, FirstJoinerCreatesAndOwnsTheChannel) {
    auto anna = Anna();
    ASSERT_EQ(quor_joinchannel(anna->handle(), "#Lobby", 0, nullptr), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->channelInfos, 0));
    const ChannelInfoEvent &info = anna->channelInfos[0];
    EXPECT_EQ(info.channel, "#Lobby");
    EXPECT_EQ(info.type, 0);
    EXPECT_EQ(info.owner, "anna");
    EXPECT_EQ(info.members, "1");
    EXPECT_EQ(anna->joins, (std::vector<NamePair>{{"#Lobby", "anna"}}));
}

TEST_F(ChannelTest, JoiningTellsTheOthersAndListsEveryMember) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#lobby", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->channelInfos, 0));
    quor_joinchannel(bob->handle(), "#LOBBY", 0, "");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    EXPECT_EQ(bob->joins, (std::vector<NamePair>{{"#lobby", "anna"}, {"#lobby", "bob"}}));
    EXPECT_EQ(bob->channelInfos[0].members, "2");
    ASSERT_TRUE(anna->WaitForMore(anna->joins, 1));
    EXPECT_EQ(anna->joins[1], (NamePair{"#lobby", "bob"}));
}

TEST_F(ChannelTest, ChannelTextReachesTheOtherMembersOnly) {
    auto anna = Anna();
    auto bob = Bob();
    auto boss = Boss();
    quor_joinchannel(anna->handle(), "#lobby", 0, "");
    quor_joinchannel(bob->handle(), "#lobby", 0, "");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    quor_sendtext(anna->handle(), "#LOBBY", "hi all");
    ASSERT_TRUE(bob->WaitForMore(bob->channelTexts, 0));
    EXPECT_EQ(bob->channelTexts[0], (std::vector<std::string>{"anna", "#lobby", "hi all"}));
    quor_sendtext(boss->handle(), "#lobby", "let me in");
    ASSERT_TRUE(boss->WaitForMore(boss->textErrors, 0));
    EXPECT_EQ(boss->textErrors[0], (NameCode{"#lobby", 10}));
    quor::testing::PumpFor(50);
    EXPECT_TRUE(anna->channelTexts.empty());
    EXPECT_EQ(bob->channelTexts.size(), 1u);
}

TEST_F(ChannelTest, JoinRefusals) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#", 0, "");
    quor_joinchannel(anna->handle(), "lobby", 0, "");
    quor_joinchannel(anna->handle(), ("#" + std::string(31, 'x')).c_str(), 0, "");
    quor_joinchannel(anna->handle(), "#a,b", 0, "");
    quor_joinchannel(anna->handle(), "#secret", 1, "");
    quor_joinchannel(anna->handle(), "#locked", 0, "key");
    quor_joinchannel(anna->handle(), "#secret", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->channelErrors, 4));
    EXPECT_EQ(anna->channelErrors[0], (NameCode{"#", 8}));       // 102
    EXPECT_EQ(anna->channelErrors[1], (NameCode{"lobby", 8}));   // 102
    EXPECT_EQ(anna->channelErrors[2].code, 8);                   // 102
    EXPECT_EQ(anna->channelErrors[3].code, 8);                   // 102
    EXPECT_EQ(anna->channelErrors[4], (NameCode{"#secret", 9})); // 110
    quor_joinchannel(bob->handle(), "#secret", 0, "");
    quor_joinchannel(bob->handle(), "#locked", 0, "wrong");
    quor_joinchannel(bob->handle(), "#locked", 0, "");
    ASSERT_TRUE(bob->WaitForMore(bob->channelErrors, 2));
    EXPECT_EQ(bob->channelErrors[0], (NameCode{"#secret", 14})); // 119
    EXPECT_EQ(bob->channelErrors[1], (NameCode{"#locked", 15})); // 120
    EXPECT_EQ(bob->channelErrors[2], (NameCode{"#locked", 15})); // 120
    quor_joinchannel(bob->handle(), "#locked", 0, "key");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    EXPECT_EQ(bob->channelInfos[0].type, 2);
}

TEST_F(ChannelTest, WrongChannelPasswordsAreThrottledPerAccountAndChannel) {
    auto bob = Bob();
    quor_joinchannel(bob->handle(), "#locked", 0, "key");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    auto anna = Anna();
    for (int i = 0; i < 5; ++i) {
        quor_joinchannel(anna->handle(), "#locked", 0, "guess");
    }
    // The fifth guess earned a penalty: even the right password is refused.
    quor_joinchannel(anna->handle(), "#locked", 0, "key");
    ASSERT_TRUE(anna->WaitForMore(anna->channelErrors, 5));
    EXPECT_EQ(anna->channelErrors.back(), (NameCode{"#locked", 15})); // 120
    EXPECT_TRUE(anna->channelInfos.empty());
    EXPECT_EQ(Occurrences(server.Log(), "with 120 (#locked): throttled"), 1u);
    auto boss = Boss(); // another account is not concerned
    quor_joinchannel(boss->handle(), "#locked", 0, "key");
    ASSERT_TRUE(boss->WaitForMore(boss->channelInfos, 0));
}

TEST_F(ChannelTest, AtMostTwentyChannelsPerUser) {
    auto anna = Anna();
    for (int i = 0; i < 21; ++i) {
        quor_joinchannel(anna->handle(), ("#c" + std::to_string(i)).c_str(), 0, "");
    }
    ASSERT_TRUE(anna->WaitForMore(anna->channelErrors, 0));
    EXPECT_EQ(anna->channelErrors[0], (NameCode{"#c20", 13})); // 114
    EXPECT_EQ(anna->channelInfos.size(), 20u);
}

TEST_F(ChannelTest, LeavingTellsTheRestAndEmptyChannelsDisappear) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#lobby", 0, "");
    quor_joinchannel(bob->handle(), "#lobby", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->joins, 1));
    quor_leavechannel(bob->handle(), "#lobby");
    ASSERT_TRUE(anna->WaitForMore(anna->leaves, 0));
    EXPECT_EQ(anna->leaves[0], (NamePair{"#lobby", "bob"}));
    quor_leavechannel(bob->handle(), "#lobby");
    ASSERT_TRUE(bob->WaitForMore(bob->channelErrors, 0));
    EXPECT_EQ(bob->channelErrors[0], (NameCode{"#lobby", 10})); // 112
    quor_reqchannellist(bob->handle());
    ASSERT_TRUE(bob->WaitForMore(bob->channelLists, 0));
    ASSERT_EQ(bob->channelLists[0].size(), 1u);
    EXPECT_EQ(bob->channelLists[0][0].users, 1);
    quor_leavechannel(anna->handle(), "#lobby");
    quor_isonline(anna->handle(), "anna"); // answered once the leave is done
    ASSERT_TRUE(anna->WaitForMore(anna->onlineStatus, 0));
    quor_reqchannellist(bob->handle());
    ASSERT_TRUE(bob->WaitForMore(bob->channelLists, 1));
    EXPECT_TRUE(bob->channelLists[1].empty());
}

TEST_F(ChannelTest, DisconnectingLeavesEveryChannel) {
    auto anna = Anna();
    quor_joinchannel(anna->handle(), "#lobby", 0, "");
    {
        auto bob = Bob();
        quor_joinchannel(bob->handle(), "#lobby", 0, "");
        ASSERT_TRUE(anna->WaitForMore(anna->joins, 1));
    }
    ASSERT_TRUE(anna->WaitForMore(anna->leaves, 0));
    EXPECT_EQ(anna->leaves[0], (NamePair{"#lobby", "bob"}));
}

TEST_F(ChannelTest, ChannelListGivesTypesAndCounts) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#open", 0, "");
    quor_joinchannel(anna->handle(), "#invited", 1, "");
    quor_joinchannel(anna->handle(), "#locked", 0, "key");
    quor_joinchannel(bob->handle(), "#open", 0, "");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    quor_reqchannellist(bob->handle());
    ASSERT_TRUE(bob->WaitForMore(bob->channelLists, 0));
    std::vector<std::string> seen;
    for (const ChannelListEntry &e : bob->channelLists[0]) {
        seen.push_back(e.name + "," + std::to_string(e.type) + "," + std::to_string(e.users));
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"#invited,1,1", "#locked,2,1", "#open,0,2"}));
}

TEST_F(ChannelTest, InvitationLetsTheUserIn) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#secret", 1, "");
    ASSERT_TRUE(anna->WaitForMore(anna->channelInfos, 0));
    EXPECT_EQ(anna->channelInfos[0].type, 1);
    quor_inviteuser(anna->handle(), "#SECRET", "BOB");
    ASSERT_TRUE(anna->WaitForMore(anna->inviteResults, 0));
    EXPECT_EQ(anna->inviteResults[0], (NameCode{"bob", 0}));
    ASSERT_TRUE(bob->WaitForMore(bob->invitations, 0));
    EXPECT_EQ(bob->invitations[0], (NamePair{"anna", "#secret"}));
    quor_joinchannel(bob->handle(), "#secret", 0, "");
    ASSERT_TRUE(bob->WaitForMore(bob->channelInfos, 0));
    EXPECT_EQ(bob->channelInfos[0].members, "2");
}

TEST_F(ChannelTest, InvitationRefusals) {
    auto anna = Anna();
    auto bob = Bob();
    quor_joinchannel(anna->handle(), "#secret", 1, "");
    quor_joinchannel(anna->handle(), "#open", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->channelInfos, 1));
    quor_inviteuser(anna->handle(), "#secret", "nobody");
    quor_inviteuser(bob->handle(), "#secret", "boss");
    quor_inviteuser(anna->handle(), "#open", "bob");
    quor_inviteuser(anna->handle(), "#secret", "bob");
    quor_inviteuser(anna->handle(), "#secret", "bob");
    ASSERT_TRUE(anna->WaitForMore(anna->inviteResults, 3));
    EXPECT_EQ(anna->inviteResults[0], (NameCode{"nobody", 20})); // 103
    EXPECT_EQ(anna->inviteResults[1], (NameCode{"bob", 18}));    // 123
    EXPECT_EQ(anna->inviteResults[2], (NameCode{"bob", 0}));
    EXPECT_EQ(anna->inviteResults[3], (NameCode{"bob", 17})); // 122
    ASSERT_TRUE(bob->WaitForMore(bob->inviteResults, 0));
    EXPECT_EQ(bob->inviteResults[0], (NameCode{"boss", 16})); // 121
}

} // namespace
} // namespace quord::testing
