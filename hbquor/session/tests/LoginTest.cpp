// SPDX-License-Identifier: MIT
// The log-in sequence against the scripted server: events in order,
// refusals, lost connections, log-out and removal of sessions.
#include "SessionFixture.h"

#include "callbacks.h"
#include "quor_wire/record.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hbquor::testing {
namespace {

using LoginTest = SessionTest;
using ::testing::ElementsAre;

TEST_F(LoginTest, SharesOneLibraryWithTheFixture) {
    // The fixture chose the server through its copy of the library; the
    // session layer's login must arrive there.
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    auto opening = server.AcceptOpening(0);
    ASSERT_TRUE(opening.has_value());
    std::string user, password;
    std::int32_t build = 0, constant = 0;
    ASSERT_TRUE(quor::ExpectFields(*opening, 1, 1, "ssdd", {&user, &password, &build, &constant}));
    EXPECT_EQ(user, "alice");
    EXPECT_EQ(password, "secret");
    EXPECT_EQ(build, 14);
    // The callbacks the session layer registered are the ones the library holds.
    EXPECT_EQ(quor::CallbackAt(QUOR_CB_LOGIN), reinterpret_cast<QUORCALLBACK>(&ClbLogin));
    EXPECT_EQ(RegisteredCentral(), &central);
}

TEST_F(LoginTest, ConnectingThenConnectedWithPendingContactsSent) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    ThbQuorUnit *alice = central.FindByName("alice");
    ASSERT_EQ(alice->AddContact("bob", true), 0);
    ASSERT_EQ(alice->AddContact("carol", true), 0);
    EXPECT_TRUE(alice->ContactsDirty());

    // When OnConnected runs, the contacts must already be handed over.
    std::vector<QuorUserStatus> seenAtConnected;
    central.SetOnConnected([&](ThbQuorUnit *s) {
        for (const auto &entry : s->Contacts())
            seenAtConnected.push_back(entry.second->Status);
    });
    ASSERT_EQ(central.Login("  alice ", " secret "), 0);
    EXPECT_EQ(alice->State(), SessionState::Connecting);
    EXPECT_THAT(events.lines(), ElementsAre("Connecting alice"));
    ASSERT_TRUE(server.AcceptOpening(kLoginAccepted));
    ASSERT_TRUE(PumpUntil([&] { return alice->IsConnected(); }, 3000, PumpPending));

    EXPECT_THAT(seenAtConnected,
                ElementsAre(QuorUserStatus::HandedToLibrary, QuorUserStatus::HandedToLibrary));
    EXPECT_FALSE(alice->ContactsDirty());
    EXPECT_EQ(alice->LoginResult(), 0);
    auto list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob"));
    list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob", "carol"));
}

TEST_F(LoginTest, RefusalsRaiseLoginFailedWithTheTranslatedCode) {
    const std::pair<std::int32_t, int> refusals[] = {{100, 3}, {107, 4}, {113, 24}};
    for (auto [reply, code] : refusals) {
        events.Clear();
        ASSERT_EQ(central.Login("alice", "secret"), 0);
        ASSERT_TRUE(server.AcceptOpening(reply));
        const std::string expected =
            "LoginFailed alice " + std::to_string(code) + " " + ErrorText(code);
        ASSERT_TRUE(AwaitEvent(expected)) << reply;
        ThbQuorUnit *alice = central.FindByName("alice");
        EXPECT_TRUE(alice->IsIdle());
        EXPECT_EQ(alice->Handle(), nullptr);
        EXPECT_EQ(alice->LoginResult(), code);
        EXPECT_THAT(events.lines(), ElementsAre("Connecting alice", expected));
    }
    EXPECT_EQ(central.Sessions().size(), 1u);
}

TEST_F(LoginTest, WithoutALoginFailedHandlerARefusalRaisesConnected) {
    central.SetOnLoginFailed(nullptr);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    ASSERT_TRUE(server.AcceptOpening(100));
    ASSERT_TRUE(AwaitEvent("Connected alice"));
    EXPECT_TRUE(central.IsIdle("alice"));
}

TEST_F(LoginTest, AServerThatIsNotListeningFailsTheLogin) {
    // A port that was bound and closed again refuses connections.
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), len), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len), 0);
    ::close(fd);
    quor_setserver("127.0.0.1", ntohs(addr.sin_port));

    int result = central.Login("alice", "secret");
    if (result == 0) {
        ASSERT_TRUE(PumpUntil([&] { return central.IsIdle("alice"); }, 3000, PumpPending));
    }
    ASSERT_GE(events.lines().size(), 1u);
    EXPECT_EQ(events.lines().back().rfind("LoginFailed alice 10061 ", 0), 0u)
        << events.lines().back();
    EXPECT_TRUE(central.IsIdle("alice"));
}

TEST_F(LoginTest, AnImmediateConnectFailureNamesTheSocketError) {
    // No route leads to the broadcast address, so the connect fails at once.
    quor_setserver("255.255.255.255", 8317);
    int result = central.Login("alice", "secret");
    if (result == 0) {
        ASSERT_TRUE(PumpUntil([&] { return central.IsIdle("alice"); }, 3000, PumpPending));
    }
    ASSERT_GE(events.lines().size(), 1u);
    const std::string &failed = events.lines().back();
    ASSERT_EQ(failed.rfind("LoginFailed alice ", 0), 0u) << failed;
    const int code = std::stoi(failed.substr(std::string("LoginFailed alice ").size()));
    EXPECT_GE(code, 10000) << failed;
    EXPECT_EQ(failed, "LoginFailed alice " + std::to_string(code) + " " + ErrorText(code));
    if (result != 0) {
        EXPECT_EQ(result, code);
    }
    EXPECT_TRUE(central.IsIdle("alice"));
    EXPECT_EQ(central.FindByName("alice")->Handle(), nullptr);
}

TEST_F(LoginTest, LostConnectionRaisesDisconnected) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    server.Close();
    ASSERT_TRUE(AwaitEvent("Disconnected alice"));
    EXPECT_TRUE(alice->IsIdle());
    EXPECT_EQ(alice->Handle(), nullptr);
    EXPECT_THAT(events.lines(),
                ElementsAre("Connecting alice", "Connected alice", "Disconnected alice"));
    EXPECT_TRUE(alice->LostConnection());
    // The next login starts with a new handle and all contacts pending.
    ASSERT_TRUE(LogIn("alice"));
    EXPECT_FALSE(alice->LostConnection());
}

TEST_F(LoginTest, AChangedEmailAddressEndsTheConnection) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(central.ChangeEmail("alice", "new@example.org"), 0);
    auto request = NextRecord();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->id(), 318);
    server.Send(quor::testing::MakeRecord(213, "$server", "alice"));
    ASSERT_TRUE(AwaitEvent("Disconnected alice"));
    EXPECT_THAT(events.lines(), ElementsAre("Connecting alice", "Connected alice",
                                            "EmailChanged alice 0 ", "Disconnected alice"));
    EXPECT_FALSE(alice->LostConnection());
    EXPECT_TRUE(alice->IsIdle());
    EXPECT_EQ(alice->Handle(), nullptr);
    // A refused change keeps the connection.
    ASSERT_TRUE(LogIn("alice"));
    events.Clear();
    server.Send(quor::testing::MakeRecord(127, "$server", "alice", "ds",
                                          {std::int32_t{318}, std::string_view("")}));
    ASSERT_TRUE(AwaitEvent("EmailChanged alice 23 e-mail address invalid"));
    EXPECT_TRUE(central.IsConnected("alice"));
}

TEST_F(LoginTest, EmptyNameOrPasswordIsReported) {
    EXPECT_EQ(central.Login("   ", "secret"), -1);
    EXPECT_EQ(central.Login("alice", "  \t "), -1);
    ASSERT_EQ(events.errors().size(), 2u);
    for (const ErrorReport &report : events.errors()) {
        EXPECT_EQ(report.sender, nullptr);
        EXPECT_EQ(report.where, "ThbQuorCentral.Login");
        EXPECT_EQ(report.what, "");
        EXPECT_EQ(report.code, -1);
        EXPECT_EQ(report.errText, "User name or password are empty");
    }
    EXPECT_TRUE(central.Sessions().empty());
}

TEST_F(LoginTest, ASecondLoginWhileConnectingIsRefused) {
    ASSERT_EQ(central.Login(" alice ", "secret"), 0);
    ASSERT_EQ(central.Sessions().size(), 1u);
    EXPECT_EQ(central.Sessions().front().first, "alice");
    EXPECT_EQ(central.Login("ALICE", "other"), -1);
    ASSERT_EQ(events.errors().size(), 1u);
    EXPECT_EQ(events.errors()[0].errText, "User is already connecting or connected");
    EXPECT_EQ(events.errors()[0].where, "ThbQuorCentral.Login");
    EXPECT_EQ(central.Sessions().size(), 1u);
    EXPECT_EQ(central.FindByName("alice")->Password(), "secret");
}

TEST_F(LoginTest, ConnectOnABusySessionChangesNothing) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContact("bob", true), 0);
    QUORHANDLE handle = alice->Handle();
    EXPECT_EQ(alice->Connect(), -2);
    EXPECT_EQ(alice->Handle(), handle);
    EXPECT_TRUE(alice->IsConnected());
    EXPECT_EQ(alice->Contacts().front().second->Status, QuorUserStatus::HandedToLibrary);
    EXPECT_FALSE(alice->ContactsDirty());
}

TEST_F(LoginTest, LoginNameKeepsTheTypedSpellingUntilTheNameChanges) {
    ThbQuorUnit *alice = LogIn("Alice");
    ASSERT_TRUE(alice);
    // The server's answer spells the user in small letters.
    ClbIsOnline(alice->Handle(), "alice", 1);
    EXPECT_EQ(alice->Name(), "alice");
    EXPECT_EQ(alice->LoginName(), "Alice");
    EXPECT_EQ(alice->Rights(), kRightsUser);
    ClbIsOnline(alice->Handle(), "ALICE", 3);
    EXPECT_EQ(alice->Rights(), kRightsAdmin);
    EXPECT_EQ(alice->LoginName(), "Alice");
}

TEST_F(LoginTest, LogoutKeepsTheSessionIdle) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    EXPECT_EQ(central.Logout("nobody"), -1);
    EXPECT_EQ(central.Logout(""), -1);
    EXPECT_EQ(central.Logout("ALICE"), 0);
    EXPECT_TRUE(events.Has("Disconnected alice"));
    EXPECT_TRUE(central.HasLogin("alice"));
    EXPECT_TRUE(central.IsIdle("alice"));
    EXPECT_FALSE(central.IsConnected("alice"));
    EXPECT_FALSE(alice->LostConnection());
    EXPECT_TRUE(server.ClientClosed());
}

TEST_F(LoginTest, RemoveLoginDisconnectsAndDestroys) {
    ASSERT_TRUE(LogIn("alice"));
    ASSERT_TRUE(central.AddLogin("bob", "pw"));
    EXPECT_FALSE(central.RemoveLogin("carol"));
    EXPECT_FALSE(central.RemoveLogin(" "));
    EXPECT_TRUE(central.RemoveLogin("Alice"));
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_FALSE(central.HasLogin("alice"));
    ASSERT_EQ(central.Sessions().size(), 1u);
    EXPECT_EQ(central.Sessions().front().second->Name(), "bob");
    EXPECT_TRUE(events.errors().empty());
}

TEST_F(LoginTest, ClearLogginsDropsConnectedAndIdleSessions) {
    ASSERT_TRUE(LogIn("alice"));
    ASSERT_TRUE(central.AddLogin("bob", "pw"));
    central.ClearLoggins();
    EXPECT_TRUE(central.Sessions().empty());
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_TRUE(events.errors().empty());
}

TEST_F(LoginTest, AddLoginUpdatesAnIdleSessionOnly) {
    EXPECT_FALSE(central.AddLogin("", "pw"));
    EXPECT_FALSE(central.AddLogin("alice", ""));
    ASSERT_TRUE(central.AddLogin("alice", "one"));
    ASSERT_TRUE(central.AddLogin("ALICE", "two"));
    ASSERT_EQ(central.Sessions().size(), 1u);
    EXPECT_EQ(central.FindByName("alice")->Name(), "ALICE");
    EXPECT_EQ(central.FindByName("alice")->Password(), "two");
    ASSERT_EQ(central.Login("alice", "three"), 0);
    EXPECT_FALSE(central.AddLogin("alice", "four"));
}

} // namespace
} // namespace hbquor::testing
