// SPDX-License-Identifier: MIT
// Joining and leaving channels: entries, the records the server receives,
// refusals by the server, and what happens without a connection.
#include "SessionFixture.h"

#include "quor_wire/record.h"

namespace hbquor::testing {
namespace {

using ChannelsTest = SessionTest;

struct ChannelRequest {
    std::int32_t leave = -1;
    std::string channel;
    std::int32_t inviteOnly = -1;
    std::string password;
};

class ConnectedChannelsTest : public ConnectedTest {
protected:
    std::optional<ChannelRequest> NextChannelRequest() {
        auto record = NextRecord();
        ChannelRequest request;
        if (!record || !quor::ExpectFields(*record, 302, 1, "dsds",
                                           {&request.leave, &request.channel, &request.inviteOnly,
                                            &request.password}))
            return std::nullopt;
        return request;
    }
};

TEST_F(ConnectedChannelsTest, JoinCreatesAJoinedEntryAndSendsTheRequest) {
    ASSERT_EQ(central.JoinChannel("alice", " #Lobby ", kChannelStandard, "ignored"), 0);
    auto request = NextChannelRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->leave, 0);
    EXPECT_EQ(request->channel, "#Lobby");
    EXPECT_EQ(request->inviteOnly, 0);
    EXPECT_EQ(request->password, "");
    ThbQuorChannel *lobby = alice->FindChannel("#lobby");
    ASSERT_NE(lobby, nullptr);
    EXPECT_TRUE(lobby->Joined);
    // Joining again sends nothing.
    EXPECT_EQ(alice->JoinChannel("#LOBBY", kChannelStandard, ""), 0);
    EXPECT_TRUE(server.Silent());
    EXPECT_EQ(alice->Channels().size(), 1u);
}

TEST_F(ConnectedChannelsTest, TypeDecidesFlagAndPassword) {
    ASSERT_EQ(alice->JoinChannel("#club", kChannelInviteOnly, "secret"), 0);
    auto inviteOnly = NextChannelRequest();
    ASSERT_TRUE(inviteOnly);
    EXPECT_EQ(inviteOnly->inviteOnly, 1);
    EXPECT_EQ(inviteOnly->password, "");
    ASSERT_EQ(alice->JoinChannel("#vault", kChannelPassworded, "secret"), 0);
    auto passworded = NextChannelRequest();
    ASSERT_TRUE(passworded);
    EXPECT_EQ(passworded->inviteOnly, 0);
    EXPECT_EQ(passworded->password, "secret");
}

TEST_F(ConnectedChannelsTest, NamesWithoutAHashAreRefused) {
    EXPECT_EQ(alice->JoinChannel("lobby", kChannelStandard, ""), -1);
    EXPECT_EQ(alice->JoinChannel("  ", kChannelStandard, ""), -1);
    EXPECT_EQ(alice->LeaveChannel("lobby"), -1);
    EXPECT_TRUE(alice->Channels().empty());
    EXPECT_TRUE(server.Silent());
    EXPECT_FALSE(alice->RemoveChannel("lobby"));
    EXPECT_EQ(alice->FindChannel("lobby"), nullptr);
}

TEST_F(ConnectedChannelsTest, AServerRefusalRemovesTheEntry) {
    ASSERT_EQ(alice->JoinChannel("#club", kChannelStandard, ""), 0);
    ASSERT_TRUE(NextChannelRequest());
    server.Send(quor::testing::MakeRecord(119, "$server", "alice", "ds",
                                          {std::int32_t{302}, std::string_view("#club")}));
    ASSERT_TRUE(AwaitEvent("ChannelError alice #club 14 channel is invite-only"));
    EXPECT_EQ(alice->FindChannel("#club"), nullptr);
    EXPECT_TRUE(alice->Channels().empty());
}

TEST_F(ConnectedChannelsTest, LeaveSendsTheRequestAndRemovesTheEntry) {
    ASSERT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), 0);
    ASSERT_TRUE(NextChannelRequest());
    EXPECT_EQ(central.LeaveChannel("alice", "#LOBBY"), 0);
    auto request = NextChannelRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->leave, 1);
    EXPECT_EQ(request->channel, "#lobby");
    EXPECT_TRUE(alice->Channels().empty());
    EXPECT_EQ(alice->LeaveChannel("#lobby"), -1);
    EXPECT_EQ(central.LeaveChannel("nobody", "#lobby"), -1);
}

TEST_F(ConnectedChannelsTest, ChannelEventsReachTheWindows) {
    server.Send(quor::testing::MakeRecord(
        602, "$server", "alice", "dss",
        {std::int32_t{0}, std::string_view("bob"), std::string_view("#lobby")}));
    ASSERT_TRUE(AwaitEvent("ChannelJoined alice #lobby bob"));
    server.Send(quor::testing::MakeRecord(
        602, "$server", "alice", "dss",
        {std::int32_t{1}, std::string_view("bob"), std::string_view("#lobby")}));
    ASSERT_TRUE(AwaitEvent("ChannelLeft alice #lobby bob"));
    server.Send(quor::testing::MakeRecord(606, "$server", "alice", "ss",
                                          {std::string_view("#club"), std::string_view("carol")}));
    ASSERT_TRUE(AwaitEvent("Invitation alice carol #club"));
    server.Send(quor::testing::MakeRecord(605, "$server", "alice", "scss",
                                          {std::string_view("#lobby"), std::uint8_t{2},
                                           std::string_view("topic"), std::string_view("owner")}));
    ASSERT_TRUE(AwaitEvent("ChannelInfo alice #lobby 2 topic owner"));
    EXPECT_EQ(alice->RequestChannelList(), 0);
    auto request = NextRecord();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->id(), 301);
    for (const auto &part : quor::testing::MakeList(401, {"#lobby,0,12", "#club,1,3"}))
        server.Send(part);
    ASSERT_TRUE(AwaitEvent("ChannelListEntry alice [] 0 0"));
    EXPECT_TRUE(events.Has("ChannelListEntry alice [#lobby] 0 12"));
    EXPECT_TRUE(events.Has("ChannelListEntry alice [#club] 1 3"));
}

TEST_F(ChannelsTest, WithoutAConnectionEntriesAreDropped) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), 0);
    ASSERT_EQ(alice->JoinChannel("#club", kChannelStandard, ""), 0);
    server.Close();
    ASSERT_TRUE(AwaitEvent("Disconnected alice"));
    // A lost connection keeps the entries ...
    EXPECT_EQ(alice->Channels().size(), 2u);
    // ... but any join or leave attempt without one removes them.
    EXPECT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), -1);
    EXPECT_EQ(alice->LeaveChannel("#club"), -1);
    EXPECT_TRUE(alice->Channels().empty());
    EXPECT_EQ(central.JoinChannel("alice", "#new", kChannelStandard, ""), -1);
    EXPECT_TRUE(alice->Channels().empty());
}

TEST_F(ChannelsTest, AJoinedEntryKeptOverAReconnectSendsNothing) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), 0);
    server.Close();
    ASSERT_TRUE(AwaitEvent("Disconnected alice"));
    ASSERT_TRUE(LogIn("alice"));
    EXPECT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), 0);
    EXPECT_TRUE(server.Silent());
}

} // namespace
} // namespace hbquor::testing
