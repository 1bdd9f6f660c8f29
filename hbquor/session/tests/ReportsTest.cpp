// SPDX-License-Identifier: MIT
// Failure reports: the exact Where and What texts, codes and error texts
// of OnError for every library call that can fail, and the requests that
// fail without a report.
#include "SessionFixture.h"

namespace hbquor::testing {
namespace {

using ReportsTest = SessionTest;

void ExpectReport(const ErrorReport &report, const ThbQuorUnit *sender, const std::string &where,
                  const std::string &what, int code) {
    EXPECT_EQ(report.sender, sender);
    EXPECT_EQ(report.where, where);
    EXPECT_EQ(report.what, what);
    EXPECT_EQ(report.code, code);
    EXPECT_EQ(report.errText, ErrorText(code));
}

// A session the session layer believes connected while the library has
// already lost its connection, so every request fails inside the library.
class BrokenConnectionTest : public ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(alice->JoinChannel("#club", kChannelStandard, ""), 0);
        ASSERT_EQ(alice->AddContact("dave", false), 0);
        CloseUnnoticed(alice);
        ASSERT_TRUE(alice->IsConnected());
        events.Clear();
    }
};

constexpr int kNotLoggedOn = QUOR_ERR_NOT_LOGGED_ON;

TEST_F(BrokenConnectionTest, AddContactKeepsTheRefusedEntry) {
    EXPECT_EQ(alice->AddContact(" bob ", true), kNotLoggedOn);
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.AddContact bob", "QuorAddContact bob",
                 kNotLoggedOn);
    EXPECT_EQ(events.errors()[0].errText, "socket not yet logged on or connection closed");
    ThbQuorContact *bob = alice->FindContact("bob");
    ASSERT_NE(bob, nullptr);
    EXPECT_EQ(bob->Status, QuorUserStatus::NotRegistered);
    EXPECT_FALSE(central.AddContact("alice", "carol"));
}

TEST_F(BrokenConnectionTest, DelContactRemovesTheEntryAnyway) {
    EXPECT_EQ(alice->DelContact("DAVE"), kNotLoggedOn);
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.DelContact DAVE", "QuorDelContact DAVE",
                 kNotLoggedOn);
    EXPECT_EQ(alice->FindContact("dave"), nullptr);
}

TEST_F(BrokenConnectionTest, SendTextNamesSenderAndRecipient) {
    EXPECT_EQ(central.SendText("alice", "bob", std::string(900, 'z')), kNotLoggedOn);
    // The first piece fails and the rest is not tried.
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.SendText", "QuorSendTextalice to bob",
                 kNotLoggedOn);
}

TEST_F(BrokenConnectionTest, PingAndIsOnlineReportTheCallResult) {
    EXPECT_EQ(central.PingUser("alice", " bob "), 1);
    EXPECT_EQ(central.IsOnline("alice", "carol"), 1);
    ASSERT_EQ(events.errors().size(), 2u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.PingUser", "QuorPingUseralice to bob", 1);
    ExpectReport(events.errors()[1], alice, "ThbQuorUnit.IsOnline", "QuorIsOnlinealice to carol",
                 1);
    EXPECT_EQ(central.PingUser("alice", ""), -1);
    EXPECT_EQ(central.IsOnline("alice", " "), -1);
    EXPECT_EQ(central.PingUser("nobody", "bob"), -1);
    EXPECT_EQ(events.errors().size(), 2u);
}

TEST_F(BrokenConnectionTest, JoinAndLeaveRemoveTheEntry) {
    EXPECT_EQ(alice->JoinChannel("#lobby", kChannelStandard, ""), kNotLoggedOn);
    EXPECT_EQ(alice->LeaveChannel("#CLUB"), kNotLoggedOn);
    ASSERT_EQ(events.errors().size(), 2u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.JoinChannel #lobby",
                 "QuorJoinChannel #lobby", kNotLoggedOn);
    ExpectReport(events.errors()[1], alice, "ThbQuorUnit.LeaveChannel #CLUB",
                 "QuorLeaveChannel #CLUB", kNotLoggedOn);
    EXPECT_TRUE(alice->Channels().empty());
}

TEST_F(BrokenConnectionTest, RequestsWithoutReportsReturnTheLibraryResult) {
    EXPECT_EQ(alice->InviteUser("#club", "bob"), 1);
    EXPECT_EQ(alice->InviteUser("club", "bob"), -1);
    EXPECT_EQ(alice->RequestUserProfile("bob"), 1);
    EXPECT_EQ(alice->ModifyUserProfile("bob", "pw", "b@example.org", 0, 0), 1);
    EXPECT_EQ(alice->ChangeEmail("new@example.org"), 1);
    EXPECT_EQ(alice->RequestChannelList(), 1);
    EXPECT_TRUE(events.errors().empty());
}

TEST_F(ReportsTest, UpdateContactsReportsEachRefusedName) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    ThbQuorUnit *alice = central.FindByName("alice");
    ASSERT_EQ(alice->AddContacts({"bob", "carol"}), 2);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    // A login result that the library has not confirmed: the library still
    // refuses contacts while the session is connecting.
    ClbLogin(alice->Handle(), 0);
    EXPECT_TRUE(alice->IsConnected());
    ASSERT_EQ(events.errors().size(), 2u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.UpdateContacts", "QuorAddContact bob",
                 kNotLoggedOn);
    ExpectReport(events.errors()[1], alice, "ThbQuorUnit.UpdateContacts", "QuorAddContact carol",
                 kNotLoggedOn);
    for (const auto &entry : alice->Contacts())
        EXPECT_EQ(entry.second->Status, QuorUserStatus::NotRegistered);
    EXPECT_FALSE(alice->ContactsDirty());
    EXPECT_EQ(events.lines().back(), "Connected alice");
}

TEST_F(ReportsTest, ConnectWithoutTheLibraryReportsQuorCreate) {
    quor_term();
    EXPECT_EQ(central.Login("alice", "secret"), QUOR_ERR_NOT_INITIALIZED);
    ThbQuorUnit *alice = central.FindByName("alice");
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.Connect", "QuorCreate alice",
                 QUOR_ERR_NOT_INITIALIZED);
    EXPECT_EQ(events.lines().back(), "LoginFailed alice 1 not initialized");
    EXPECT_TRUE(alice->IsIdle());
}

TEST_F(ReportsTest, ConnectOnALeftOverHandleReportsQuorLogin) {
    // Account creation leaves its handle in the session; a login on it is
    // refused by the library.
    ASSERT_EQ(central.CreateUser("alice", "a@example.org"), 0);
    ASSERT_EQ(central.Login("alice", "secret"), QUOR_ERR_HANDLE_IN_USE);
    ThbQuorUnit *alice = central.FindByName("alice");
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.Connect", "QuorLogin alice",
                 QUOR_ERR_HANDLE_IN_USE);
    EXPECT_EQ(events.lines().back(), "LoginFailed alice 25 QUORHANDLE in use");
    EXPECT_EQ(alice->Handle(), nullptr);
    EXPECT_TRUE(alice->IsIdle());
}

TEST_F(ReportsTest, DisconnectFailuresAreReportedTwice) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    quor_term();
    EXPECT_EQ(central.Logout("alice"), QUOR_ERR_NOT_INITIALIZED);
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.Disonnect", "QuorDestroy alice",
                 QUOR_ERR_NOT_INITIALIZED);
    EXPECT_FALSE(events.Has("Disconnected alice"));
    EXPECT_TRUE(alice->IsIdle());

    // Through RemoveLogin the manager adds its own report.
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    alice = LogIn("alice");
    ASSERT_TRUE(alice);
    events.Clear();
    quor_term();
    EXPECT_TRUE(central.RemoveLogin("alice"));
    ASSERT_EQ(events.errors().size(), 2u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.Disonnect", "QuorDestroy alice",
                 QUOR_ERR_NOT_INITIALIZED);
    ExpectReport(events.errors()[1], alice, "ThbQuorCentral.ClearLoggins alice",
                 "ThbQuorUnit.Disconnect alice", QUOR_ERR_NOT_INITIALIZED);
    EXPECT_FALSE(central.HasLogin("alice"));
}

TEST_F(ReportsTest, RequestsWithoutAHandle) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    ThbQuorUnit *alice = central.FindByName("alice");
    EXPECT_EQ(central.IsOnline("alice", "bob"), -20);
    EXPECT_EQ(central.InviteUser("alice", "#club", "bob"), -20);
    EXPECT_EQ(central.RequestUserProfile("alice", "bob"), -20);
    EXPECT_EQ(central.ModifyUserProfile("alice", "bob", "pw", "e", 0, 0), -20);
    EXPECT_EQ(central.ChangeEmail("alice", "e"), -20);
    EXPECT_EQ(central.RequestChannelList("alice"), -20);
    EXPECT_EQ(central.RequestChannelList("nobody"), -1);
    EXPECT_TRUE(events.errors().empty());
    // A ping is handed to the library even so, which refuses it.
    EXPECT_EQ(central.PingUser("alice", "bob"), 1);
    ASSERT_EQ(events.errors().size(), 1u);
    ExpectReport(events.errors()[0], alice, "ThbQuorUnit.PingUser", "QuorPingUseralice to bob", 1);
}

} // namespace
} // namespace hbquor::testing
