// SPDX-License-Identifier: MIT
// The library frame: initialisation, handles, callbacks, the last error and
// its texts, user data and the pump.
#include "library_fixture.h"

#include <poll.h>

#include <set>

using namespace quor::testing;

namespace {

// Starts a login that fails, and pumps until the session is idle.
void MakeIdle(QUORHANDLE h) {
    quor_setserver("127.0.0.1", UnusedLoopbackPort());
    const std::size_t before = Recorded().size();
    if (quor_login(h, "x", "y") == 0) {
        ASSERT_TRUE(PumpUntil([before] { return Recorded().size() > before; }));
        EXPECT_EQ(Recorded().back().slot, QUOR_CB_LOGIN);
        EXPECT_EQ(Recorded().back().args[0], "10061");
    } else {
        EXPECT_EQ(quor_getlasterror(), 10061);
    }
}

} // namespace

TEST(ErrorTexts, EveryCodeHasItsTextAndOthersAreUnknown) {
    const std::pair<int, const char *> expected[] = {
        {0, "no error"},
        {1, "not initialized"},
        {2, "quor handle invalid"},
        {3, "login invalid"},
        {4, "user already online"},
        {5, "connection could not be established"},
        {6, "socket not yet logged on or connection closed"},
        {7, "no such callback"},
        {8, "channel name invalid"},
        {9, "already subscribed to channel"},
        {10, "not subscribed to channel"},
        {11, "access denied"},
        {12, "version mismatch"},
        {13, "channel limit exceeded"},
        {14, "channel is invite-only"},
        {15, "channel password is invalid"},
        {16, "not channel owner"},
        {17, "user already invited"},
        {18, "channel not invite-only"},
        {19, "IP address banned"},
        {20, "no such user"},
        {21, "bad name"},
        {22, "maximum users per e-mail"},
        {23, "e-mail address invalid"},
        {24, "API build invalid"},
        {25, "QUORHANDLE in use"},
        {26, "user unavailable"},
        {27, "offline datagram queue full"},
        {28, "user is an administrator"},
        {29, "timer creation failed"},
        {30, "timer initialization failed"},
        {31, "already initialized"},
        {32, "name length invalid"},
        {33, "name restricted"},
        {34, "user registration disabled"},
        {35, "name taken"},
        {36, "maximum recent users created"},
        {37, "incorrect e-mail address"},
        {38, "password sent too recently"},
        {39, "bad password"},
        {40, "TLS handshake failed"},
        {41, "server certificate not trusted"},
        {42, "server certificate does not match the host name"},
        {43, "TLS could not be set up"},
        {44, "server sent too much before its answer"},
        {45, "proxy refused the connection"},
        {46, "proxy authentication failed"},
        {47, "proxy not reachable"},
        {48, "proxy setting invalid"},
    };
    for (const auto &[code, text] : expected) {
        EXPECT_STREQ(quor_geterrortext(code), text) << "code " << code;
    }
    for (int code : {-1, 49, 10061, 1 << 30}) {
        EXPECT_STREQ(quor_geterrortext(code), "unknown error code") << "code " << code;
    }
}

TEST(Frame, EveryExportRefusesBeforeInitialisationExceptTheTextsAndServer) {
    quor_term();
    EXPECT_EQ(quor_create(), nullptr);
    EXPECT_EQ(quor_getlasterror(), 1);
    EXPECT_EQ(quor_setserver("example", 1), 0);
    EXPECT_EQ(quor_getlasterror(), 1); // unchanged
    quor_setserver(nullptr, 0);
    EXPECT_STREQ(quor_geterrortext(2), "quor handle invalid");

    auto refuses = [](int result) {
        const bool refused = result == 1 && quor_getlasterror() == 1;
        return refused;
    };
    QUORHANDLE any = reinterpret_cast<QUORHANDLE>(0x1234);
    EXPECT_TRUE(refuses(quor_destroy(any)));
    EXPECT_TRUE(refuses(quor_setcallback(0, nullptr)));
    EXPECT_TRUE(refuses(quor_setuserdata(any, 3)));
    EXPECT_TRUE(refuses(quor_login(any, "a", "b")));
    EXPECT_TRUE(refuses(quor_sendtext(any, "a", "b")));
    EXPECT_TRUE(refuses(quor_updatecontacts(any)));
    EXPECT_TRUE(refuses(quor_pump(0)));
    EXPECT_EQ(quor_getuserdata(any), 0);
    EXPECT_EQ(quor_getlasterror(), 1);
    EXPECT_EQ(quor_getfd(), -1);
    EXPECT_EQ(quor_getlasterror(), 1);
}

TEST(Frame, InitAcceptsOnlyBuild14AndOnlyOnce) {
    quor_term();
    EXPECT_EQ(quor_init(13), 1);
    EXPECT_EQ(quor_getlasterror(), 12);
    EXPECT_EQ(quor_getfd(), -1);
    ASSERT_EQ(quor_init(14), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
    const int fd = quor_getfd();
    EXPECT_GE(fd, 0);
    EXPECT_EQ(quor_init(14), 1);
    EXPECT_EQ(quor_getlasterror(), 31);
    EXPECT_EQ(quor_getfd(), fd); // the first initialisation stays in force
    EXPECT_NE(quor_create(), nullptr);
    quor_term(); // for the tests after this one in the same process
}

TEST_F(LibraryTest, CallbackSlotsOutsideTheTableAreRefusedAndChangeNothing) {
    EXPECT_EQ(quor_setcallback(24, nullptr), 1);
    EXPECT_EQ(quor_getlasterror(), 7);
    EXPECT_EQ(quor_setcallback(-1, nullptr), 1);
    EXPECT_EQ(quor_getlasterror(), 7);
    EXPECT_EQ(quor_setcallback(23, nullptr), 0);
    EXPECT_EQ(quor_getlasterror(), 0);

    // Slot 23 is silenced; the others still work.
    QUORHANDLE h = LogOn();
    server.Send(MakeRecord(606, "$server", "me", "ss", {"#lobby", "anna"}));
    server.Send(MakeRecord(600, "$server", "me", "s", {"hi"}));
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_WELCOME, h, {"hi"})});
}

TEST_F(LibraryTest, FiftySessionsFillTheTableUntilOneGoesIdle) {
    std::vector<QUORHANDLE> handles;
    for (int i = 0; i < 50; ++i) {
        handles.push_back(quor_create());
        ASSERT_NE(handles.back(), nullptr);
    }
    EXPECT_EQ(std::set<QUORHANDLE>(handles.begin(), handles.end()).size(), 50u);
    EXPECT_EQ(quor_create(), nullptr);
    EXPECT_EQ(quor_getlasterror(), 5);

    MakeIdle(handles[7]);
    quor_setuserdata(handles[8], 88);
    QUORHANDLE fresh = quor_create();
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, handles[7]); // the slot is reused, the handle is not
    EXPECT_EQ(quor_setuserdata(handles[7], 1), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
    EXPECT_EQ(quor_getuserdata(handles[8]), 88);
    EXPECT_EQ(quor_create(), nullptr);
}

TEST_F(LibraryTest, HandlesNeverRepeatAndDestroyedHandlesStayInvalid) {
    std::set<QUORHANDLE> seen;
    for (int i = 0; i < 200; ++i) {
        QUORHANDLE h = quor_create();
        ASSERT_TRUE(seen.insert(h).second);
        EXPECT_EQ(quor_destroy(h), 0);
        EXPECT_EQ(quor_getlasterror(), 0);
        EXPECT_EQ(quor_getuserdata(h), 0);
        EXPECT_EQ(quor_getlasterror(), 2);
    }
    EXPECT_EQ(quor_destroy(nullptr), 0);
    EXPECT_EQ(quor_destroy(reinterpret_cast<QUORHANDLE>(0xdead)), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
}

TEST_F(LibraryTest, UserDataIsKeptPerHandleAndReadingItLeavesTheLastError) {
    QUORHANDLE a = quor_create();
    QUORHANDLE b = quor_create();
    EXPECT_EQ(quor_getuserdata(a), 0);
    EXPECT_EQ(quor_setuserdata(a, -5), 0);
    EXPECT_EQ(quor_setuserdata(b, 0), 0);
    quor_setcallback(99, nullptr); // leaves last error 7
    EXPECT_EQ(quor_getuserdata(a), -5);
    EXPECT_EQ(quor_getuserdata(b), 0);
    EXPECT_EQ(quor_getlasterror(), 7);
    EXPECT_EQ(quor_setuserdata(nullptr, 1), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
}

TEST_F(LibraryTest, TermDestroysLiveSessionsWithoutCallbacksAndKeepsTheCallbackTable) {
    QUORHANDLE h = LogOn();
    QUORHANDLE idle = quor_create();
    quor_setcallback(QUOR_CB_ISONLINE, nullptr);
    quor_term();
    EXPECT_TRUE(Recorded().empty());
    EXPECT_TRUE(server.ClientClosed());
    ASSERT_EQ(quor_init(14), 0);
    EXPECT_EQ(quor_setuserdata(h, 1), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
    EXPECT_EQ(quor_setuserdata(idle, 1), 1);

    // The callback table survived: slot 3 stays silenced, slot 4 still records.
    QUORHANDLE again = LogOn();
    server.Send(MakeRecord(405, "$server", "me", "sc", {"anna", std::uint8_t{1}}));
    server.Send(MakeRecord(600, "$server", "me", "s", {"back"}));
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_WELCOME, again, {"back"})});
}

TEST_F(LibraryTest, TheDescriptorBecomesReadableForTimerWorkAndPumpReturnsInTime) {
    pollfd pfd{quor_getfd(), POLLIN, 0};
    EXPECT_EQ(::poll(&pfd, 1, 2500), 1); // the one-second timer
    EXPECT_EQ(quor_pump(0), 0);
    const int before = quor_getlasterror();
    EXPECT_EQ(quor_pump(10), 0);
    EXPECT_EQ(quor_getlasterror(), before);
}
