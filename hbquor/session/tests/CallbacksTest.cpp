// SPDX-License-Identifier: MIT
// The callback entry points and the session manager's handlers: the
// registration, copies of null strings, type bytes and statuses, events
// for unknown handles, and lookups by name and handle.
#include "SessionFixture.h"

#include "callbacks.h"

#include <stdexcept>

namespace hbquor::testing {
namespace {

using ::testing::ElementsAre;

class CallbacksTest : public ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        if (HasFatalFailure())
            return;
        events.Clear();
    }
    static bool AllSlotsEmpty() {
        for (int slot = 0; slot < QUOR_CB_COUNT; ++slot)
            if (quor::CallbackAt(slot) != nullptr)
                return false;
        return true;
    }
    QUORHANDLE unknown = reinterpret_cast<QUORHANDLE>(0x5151);
};

TEST_F(CallbacksTest, RegistrationFillsOrClearsAllSlots) {
    EXPECT_EQ(quor::CallbackAt(QUOR_CB_LOGIN), reinterpret_cast<QUORCALLBACK>(&ClbLogin));
    EXPECT_EQ(quor::CallbackAt(QUOR_CB_CHANNELINFO),
              reinterpret_cast<QUORCALLBACK>(&ClbChannelInfo));
    EXPECT_EQ(quor::CallbackAt(QUOR_CB_INVITATION), reinterpret_cast<QUORCALLBACK>(&ClbInvitation));
    for (int slot = 0; slot < QUOR_CB_COUNT; ++slot)
        EXPECT_NE(quor::CallbackAt(slot), nullptr) << slot;

    RegisterCallbacks(nullptr);
    EXPECT_EQ(RegisteredCentral(), nullptr);
    EXPECT_TRUE(AllSlotsEmpty());
    RegisterCallbacks(&central);
    EXPECT_EQ(RegisteredCentral(), &central);
    // An object that is not a session manager counts as none.
    RegisterCallbacks(alice);
    EXPECT_EQ(RegisteredCentral(), nullptr);
    EXPECT_TRUE(AllSlotsEmpty());
    RegisterCallbacks(&central);
}

TEST_F(CallbacksTest, CallbacksWithoutAReceiverAreDropped) {
    RegisterCallbacks(nullptr);
    ClbDisconnect(alice->Handle());
    ClbText(alice->Handle(), "bob", "hi");
    EXPECT_TRUE(alice->IsConnected());
    EXPECT_TRUE(events.lines().empty());
    RegisterCallbacks(&central);
    ClbText(alice->Handle(), "bob", "hi");
    EXPECT_THAT(events.lines(), ElementsAre("Text alice bob hi"));
}

TEST_F(CallbacksTest, NullStringsArriveEmpty) {
    ClbText(alice->Handle(), nullptr, nullptr);
    ClbContactList(alice->Handle(), nullptr);
    ClbChannelList(alice->Handle(), nullptr, 0, 0);
    ClbUserProfile(alice->Handle(), 20, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
    EXPECT_THAT(events.lines(), ElementsAre("Text alice  ", "ContactListEntry alice []",
                                            "ChannelListEntry alice [] 0 0",
                                            "UserProfile alice 20 no such user    0 25568.916667 "
                                            "25568.916667 0 0"));
}

TEST_F(CallbacksTest, TypesKeepTheLowByteAndStatusesStayWhole) {
    ClbChannelInfo(alice->Handle(), "#lobby", 0x102, "a", "b");
    ClbChannelList(alice->Handle(), "#lobby", 257, 4);
    ClbIsOnline(alice->Handle(), "bob", 256);
    ClbContactStatus(alice->Handle(), "bob", 256);
    ClbContactStatus(alice->Handle(), "bob", -1);
    ClbContactStatus(alice->Handle(), "bob", 2);
    EXPECT_THAT(events.lines(),
                ElementsAre("ChannelInfo alice #lobby 2 a b", "ChannelListEntry alice [#lobby] 1 4",
                            "UserStatus alice bob 5", "ContactStatus alice bob 5",
                            "ContactStatus alice bob 5", "ContactStatus alice bob 2"));
}

TEST_F(CallbacksTest, UnknownHandlesAreDroppedExceptStatusAndNameList) {
    ClbText(unknown, "bob", "hi");
    ClbDisconnect(unknown);
    ClbLogin(unknown, 3);
    ClbWelcome(unknown, "hello");
    EXPECT_TRUE(events.lines().empty());
    ClbIsOnline(unknown, "bob", 1);
    ClbContactList(unknown, "ghost");
    EXPECT_THAT(events.lines(), ElementsAre("UserStatus - bob 1", "ContactListEntry - [ghost]"));
    EXPECT_TRUE(alice->IsConnected());
}

TEST_F(CallbacksTest, EventsCarryTheirArgumentsInOrder) {
    QUORHANDLE h = alice->Handle();
    ClbWelcome(h, "welcome!");
    ClbPingReply(h, "bob", 3);
    ClbTextError(h, 27, "bob");
    ClbChannelError(h, "#x", 8);
    ClbChannelJoin(h, "#x", "bob");
    ClbChannelLeave(h, "#x", "bob");
    ClbChannelText(h, "bob", "#x", "yo");
    ClbBroadcast(h, "admin", "news");
    ClbInviteUser(h, "bob", 17);
    ClbModifyUserProfile(h, 0, "bob");
    ClbChangeEmail(h, 23);
    ClbInvitation(h, "carol", "#club");
    EXPECT_THAT(
        events.lines(),
        ElementsAre("Welcome alice welcome!", "PingReply alice bob 3",
                    "TextFailed alice 27 bob offline datagram queue full",
                    "ChannelError alice #x 8 channel name invalid", "ChannelJoined alice #x bob",
                    "ChannelLeft alice #x bob", "ChannelText alice #x bob yo",
                    "Broadcast alice admin news", "InviteResult alice 17 bob user already invited",
                    "ProfileChanged alice 0 bob ", "EmailChanged alice 23 e-mail address invalid",
                    "Invitation alice carol #club"));
}

TEST_F(CallbacksTest, TheOwnProfileUpdatesTheSession) {
    ClbUserProfile(alice->Handle(), 0, "ALICE", "newpw", "a@example.org", 1, 7200, 7200 + 43200, 1,
                   0);
    EXPECT_EQ(alice->Name(), "ALICE");
    EXPECT_EQ(alice->Password(), "newpw");
    EXPECT_EQ(alice->Email(), "a@example.org");
    EXPECT_EQ(alice->UserType(), 1);
    EXPECT_EQ(alice->Created(), 7200);
    EXPECT_EQ(alice->LastLogin(), 7200 + 43200);
    EXPECT_EQ(alice->SelfCreated(), 1);
    EXPECT_EQ(alice->Rights(), kRightsAdmin);
    EXPECT_THAT(events.lines(), ElementsAre("UserProfile ALICE 0  ALICE newpw a@example.org 1 "
                                            "25569.000000 25569.500000 1 0"));
    // Another user's profile, or a failed request, changes nothing.
    ClbUserProfile(alice->Handle(), 0, "bob", "bobpw", "b@example.org", 0, 1, 2, 0, 1);
    ClbUserProfile(alice->Handle(), 11, "alice", "x", "y", 0, 1, 2, 0, 0);
    EXPECT_EQ(alice->Password(), "newpw");
    EXPECT_EQ(alice->Rights(), kRightsAdmin);
    ClbUserProfile(alice->Handle(), 0, "alice", "pw3", "c@example.org", 0, 1, 2, 0, 0);
    EXPECT_EQ(alice->Rights(), kRightsUser);
}

TEST_F(CallbacksTest, IsOnlineAnswersAboutTheOwnUserSetRights) {
    ClbIsOnline(alice->Handle(), "alice", 3);
    EXPECT_EQ(alice->Rights(), kRightsAdmin);
    ClbIsOnline(alice->Handle(), "alice", 7);
    EXPECT_EQ(alice->Rights(), kRightsAdmin);
    ClbIsOnline(alice->Handle(), "alice", 2);
    EXPECT_EQ(alice->Rights(), kRightsNone);
    ClbIsOnline(alice->Handle(), "bob", 1);
    EXPECT_EQ(alice->Rights(), kRightsNone);
    EXPECT_EQ(alice->Name(), "alice");
}

TEST_F(CallbacksTest, AFaultInAHandlerSurfacesFromThePump) {
    quor::QuorMessage welcome = quor::testing::MakeRecord(600, "$server", "alice");
    welcome.setRawText("hello");
    central.SetOnWelcome(
        [](ThbQuorUnit *, const std::string &) { throw std::runtime_error("handler failed"); });
    server.Send(welcome);
    EXPECT_THROW(PumpUntil([] { return false; }, 2000, PumpPending), std::runtime_error);
    // Not only standard exceptions are kept from unwinding through the library.
    central.SetOnWelcome([](ThbQuorUnit *, const std::string &) { throw 42; });
    server.Send(welcome);
    EXPECT_THROW(PumpUntil([] { return false; }, 2000, PumpPending), int);
    // The library carries on afterwards.
    server.Send(quor::testing::MakeText("bob", "alice", "still here"));
    EXPECT_TRUE(AwaitEvent("Text alice bob still here"));
}

TEST_F(CallbacksTest, LookupsFollowTheNameRules) {
    ASSERT_TRUE(central.AddLogin("\xC4rger", "pw"));
    ASSERT_TRUE(central.AddLogin("bob", "pw"));
    EXPECT_EQ(central.FindByName(" ALICE "), alice);
    EXPECT_EQ(central.FindByName("\xE4rger"), nullptr);
    EXPECT_NE(central.FindByName("\xC4RGER"), nullptr);
    EXPECT_EQ(central.FindByName(""), nullptr);
    ThbQuorUnit *bob = central.FindByName("BOB");
    ASSERT_NE(bob, nullptr);
    EXPECT_EQ(bob->ListPosition(), 2);
    EXPECT_EQ(central.FindByHandle(alice->Handle()), alice);
    EXPECT_EQ(alice->ListPosition(), 0);
    EXPECT_EQ(central.FindByHandle(nullptr), nullptr);
    EXPECT_EQ(central.FindByHandle(unknown), nullptr);
    EXPECT_FALSE(central.IsIdle("nobody"));
    EXPECT_FALSE(central.IsConnected("bob"));
    EXPECT_TRUE(central.IsConnected("alice"));
}

} // namespace
} // namespace hbquor::testing
