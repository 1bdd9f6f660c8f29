// SPDX-License-Identifier: MIT
// Connections: the opening handshake, login results, pings, closes, send
// failures, the silence watchdog and callbacks that end their own session.
#include "library_fixture.h"

#include "library.h"

#include <unistd.h>

#include <algorithm>

using namespace quor;
using namespace quor::testing;

TEST_F(LibraryTest, LoginSendsTheOpeningRequestAndReportsAcceptance) {
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "anna", "pw"), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
    EXPECT_EQ(quor_sendtext(h, "bob", "too early"), 1);
    EXPECT_EQ(quor_getlasterror(), 6);

    auto opening = server.AcceptOpening(0);
    ASSERT_TRUE(opening);
    std::string user, password;
    std::int32_t build = 0, constant = 0;
    ASSERT_TRUE(ExpectFields(*opening, 1, 1, "ssdd", {&user, &password, &build, &constant}));
    EXPECT_EQ(user, "anna");
    EXPECT_EQ(password, "pw");
    EXPECT_EQ(build, 14);
    EXPECT_EQ(constant, 1);
    EXPECT_EQ(opening->sender(), "anna");
    EXPECT_EQ(opening->recipient(), "");
    EXPECT_NEAR(opening->time(), CalendarNow(), 5);

    EXPECT_EQ(quor_addcontact(h, "bob"), 1); // still awaiting the reply
    EXPECT_EQ(quor_getlasterror(), 6);
    server.Send(MakeRecord(201, "$server", "anna"));
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {"0"})});
    EXPECT_EQ(quor_addcontact(h, "bob"), 0);
    EXPECT_EQ(quor_login(h, "anna", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), 25);
}

TEST_F(LibraryTest, RefusedLoginsAreTranslatedAndLeaveTheSessionIdle) {
    const std::pair<int, std::string> replies[] = {{100, "3"}, {107, "4"}, {113, "24"}};
    for (const auto &[reply, code] : replies) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        server.Send(MakeRecord(reply, "$server", "me", "ds", {std::int32_t{1}, "me"}));
        ASSERT_TRUE(WaitForEvents(1));
        PumpFor(30);
        EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {code})});
        EXPECT_EQ(StateOf(h), STATE_IDLE);
        EXPECT_EQ(FindSession(reinterpret_cast<std::uintptr_t>(h))->lastError(), reply);
        EXPECT_TRUE(server.ClientClosed());
        EXPECT_EQ(quor_login(h, "me", "pw"), 1);
        EXPECT_EQ(quor_getlasterror(), 25);
    }
}

TEST_F(LibraryTest, ConnectFailuresReachTheCallbackOfTheirPurpose) {
    quor_setserver("127.0.0.1", UnusedLoopbackPort());
    const int slots[] = {QUOR_CB_LOGIN, QUOR_CB_CREATEUSER, QUOR_CB_REQPASSWORD};
    for (int purpose = 0; purpose < 3; ++purpose) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        const int result = purpose == 0   ? quor_login(h, "a", "b")
                           : purpose == 1 ? quor_createuser(h, "a", "a@b.c")
                                          : quor_reqpassword(h, "a", "a@b.c");
        if (result == 0) {
            ASSERT_TRUE(WaitForEvents(1));
            EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(slots[purpose], h, {"10061"})});
        } else {
            EXPECT_EQ(quor_getlasterror(), 10061);
        }
    }
}

// A port above 65535 is not cut to 16 bits, which would reach another port.
TEST_F(LibraryTest, ServersThatCannotBeReachedFailAtOnce) {
    const struct {
        const char *host;
        int port;
        int error;
    } cases[] = {
        {"no-such-host.invalid", 0, 10022},
        {"127.0.0.1", 65536, 10049},
        {"127.0.0.1", 65536 + server.port(), 10049},
    };
    for (const auto &c : cases) {
        quor_setserver(c.host, c.port);
        QUORHANDLE h = quor_create();
        EXPECT_EQ(quor_login(h, "a", nullptr), 1) << c.port;
        EXPECT_EQ(quor_getlasterror(), c.error) << c.port;
        PumpFor(30);
        EXPECT_TRUE(Recorded().empty());
        EXPECT_EQ(quor_login(h, "a", "b"), 1);
        EXPECT_EQ(quor_getlasterror(), 25);
    }
    EXPECT_EQ(server.AcceptTcp(100), -1) << "nothing reached the server";
}

TEST_F(LibraryTest, RecordsAreDispatchedOnePerReadWhateverTheirSegmentation) {
    QUORHANDLE h = LogOn();
    const QuorMessage a = MakeText("anna", "me", "first");
    const QuorMessage b = MakeText("bob", "me", "second");
    server.SendRaw(a.bytes.data(), 100);
    PumpFor(30);
    server.SendRaw(a.bytes.data() + 100, 300);
    PumpFor(30);
    EXPECT_TRUE(Recorded().empty());
    // The rest of the first record and the whole second in one segment.
    std::vector<std::uint8_t> tail(a.bytes.begin() + 400, a.bytes.end());
    tail.insert(tail.end(), b.bytes.begin(), b.bytes.end());
    server.SendRaw(tail.data(), tail.size());
    ASSERT_TRUE(WaitForEvents(2));
    EXPECT_EQ(Recorded(), (std::vector<RaisedEvent>{Ev(QUOR_CB_TEXT, h, {"anna", "first"}),
                                                    Ev(QUOR_CB_TEXT, h, {"bob", "second"})}));
}

TEST_F(LibraryTest, PingsAreAnsweredByTheLibraryAndNeverReachTheCaller) {
    LogOn("me");
    server.Send(MakeRecord(500, "anna", "me", "d", {std::int32_t{12345}}));
    auto answer = server.Read();
    ASSERT_TRUE(answer);
    std::int32_t echoed = 0;
    ASSERT_TRUE(ExpectFields(*answer, 501, 1, "d", {&echoed}));
    EXPECT_EQ(echoed, 12345);
    EXPECT_EQ(answer->recipient(), "anna");
    EXPECT_EQ(answer->sender(), "me");

    QuorMessage unformatted = MakeRecord(500, "anna", "me", "d", {std::int32_t{1}});
    unformatted.setFormat(0);
    server.Send(unformatted);
    EXPECT_TRUE(server.Silent(150));
    EXPECT_TRUE(Recorded().empty());
}

TEST_F(LibraryTest, APeerCloseRaisesTheDisconnectOnceAndTheSessionGoesIdle) {
    QUORHANDLE h = LogOn();
    server.Close();
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
    EXPECT_EQ(quor_isonline(h, "x"), 1);
    EXPECT_EQ(quor_getlasterror(), 6);
    // Idle sessions are reaped by the next create.
    ASSERT_NE(quor_create(), nullptr);
    EXPECT_EQ(quor_isonline(h, "x"), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
}

TEST_F(LibraryTest, APeerResetWhileAwaitingTheReplyIsADisconnect) {
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    ASSERT_TRUE(server.AcceptOpening(0));
    server.Reset();
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
}

TEST_F(LibraryTest, ALostConnectionFoundBySendingIsReportedByALaterPump) {
    ExpectLossFoundBySendingReportedLater(LogOn());
}

TEST_F(LibraryTest, ASessionSilentForMoreThanSixtySecondsIsDroppedAndDestroyed) {
    UseFakeTicks(0xFFFFF000u); // just before the counter wraps
    QUORHANDLE h = LogOn();

    g_fakeTick += 60999; // 60 whole seconds: not yet
    PumpFor(1300);
    EXPECT_TRUE(Recorded().empty());
    g_fakeTick += 1; // 61 seconds, across the wrap-around
    ASSERT_TRUE(WaitForEvents(1, 2500));
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
    EXPECT_EQ(quor_setuserdata(h, 1), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
}

TEST_F(LibraryTest, ReceivingRenewsTheSilenceWatchdog) {
    UseFakeTicks(1000);
    LogOn();
    g_fakeTick += 50000;
    server.Send(MakeRecord(500, "$server", "me", "d", {std::int32_t{1}}));
    ASSERT_TRUE(server.Read()); // the ping answer: the read renewed the stamp
    g_fakeTick += 50000;
    PumpFor(1300);
    EXPECT_TRUE(Recorded().empty());
}

TEST_F(LibraryTest, ACallbackMayDestroyItsOwnSession) {
    QUORHANDLE h = LogOn();
    SetAfterEachCallback([](const RaisedEvent &e) { quor_destroy(e.handle); });
    // A list flush would raise three callbacks; the first destroys the session.
    for (const auto &part : MakeList(206, {"a", "b"})) {
        server.Send(part);
    }
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_CONTACTLIST, h, {"a"})});
    EXPECT_EQ(quor_setuserdata(h, 1), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
    EXPECT_TRUE(server.ClientClosed());
}

TEST_F(LibraryTest, ACallbackMayReapItsOwnIdleSessionThroughCreate) {
    QUORHANDLE h = LogOn();
    QUORHANDLE created = nullptr;
    SetAfterEachCallback([&created](const RaisedEvent &) { created = quor_create(); });
    server.Close();
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
    EXPECT_NE(created, nullptr);
    EXPECT_EQ(quor_setuserdata(h, 1), 1);
    EXPECT_EQ(quor_setuserdata(created, 1), 0);
}

TEST_F(LibraryTest, ACallbackMayTerminateTheLibraryAndStartItAgain) {
    QUORHANDLE h = LogOn();
    QUORHANDLE other = LogOn("you");
    SetAfterEachCallback([](const RaisedEvent &) {
        quor_term();
        EXPECT_EQ(quor_init(14), 0);
    });
    server.Send(MakeText("anna", "you", "bye"), 1);
    server.Send(MakeText("anna", "me", "bye"), 0);
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    ASSERT_EQ(Recorded().size(), 1u);
    EXPECT_EQ(quor_setuserdata(h, 1), 1);
    EXPECT_EQ(quor_setuserdata(other, 1), 1);
    SetAfterEachCallback(nullptr);
    EXPECT_NE(quor_create(), nullptr);
}

TEST_F(LibraryTest, PumpInsideACallbackReturnsAtOnce) {
    LogOn();
    int nested = -1;
    SetAfterEachCallback([&nested](const RaisedEvent &) { nested = quor_pump(1000); });
    server.Send(MakeText("anna", "me", "one"));
    server.Send(MakeText("anna", "me", "two"));
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(Recorded().size(), 1u); // the nested pump delivered nothing
}

TEST_F(LibraryTest, AStreamOnOneSessionNeverStarvesAnother) {
    QUORHANDLE busy = LogOn("busy");
    QUORHANDLE quiet = LogOn("quiet");
    const std::vector<std::uint8_t> flood = Joined(NumberedTexts(200, "busy"));
    server.SendRaw(flood.data(), flood.size(), 0);
    server.Send(MakeText("bob", "quiet", "me too"), 1);
    ASSERT_TRUE(PumpUntil([&] {
        return std::any_of(Recorded().begin(), Recorded().end(),
                           [quiet](const RaisedEvent &e) { return e.handle == quiet; });
    }));
    // The quiet session was served while the busy one still had records waiting.
    EXPECT_LT(Recorded().size(), 100u);
    ASSERT_TRUE(WaitForEvents(201));
    for (int i = 0; i < 200; ++i) {
        EXPECT_NE(std::find(Recorded().begin(), Recorded().end(),
                            Ev(QUOR_CB_TEXT, busy, {"anna", std::to_string(i)})),
                  Recorded().end());
    }
}
