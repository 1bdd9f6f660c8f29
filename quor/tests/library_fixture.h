// SPDX-License-Identifier: MIT
// Test fixture: an initialised library with every callback recorded and a
// scripted server that the library connects to.
#pragma once

#include "callback_recorder.h"
#include "clock.h"
#include "library.h"
#include "scripted_server.h"

#include "quor.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace quor::testing {

// A tick counter that tests move by hand, once UseFakeTicks installed it as
// the library's clock (the fixture puts the real one back).
inline std::uint32_t g_fakeTick = 0;
inline std::uint32_t FakeTick() {
    return g_fakeTick;
}
inline void UseFakeTicks(std::uint32_t start) {
    g_fakeTick = start;
    SetClockOverride({&FakeTick, nullptr});
}

// The outcome slot of each connect purpose (0 login, 1 account, 2 password).
inline constexpr int kPurposeSlots[] = {QUOR_CB_LOGIN, QUOR_CB_CREATEUSER, QUOR_CB_REQPASSWORD};

// Starts the connect request of a purpose.
inline int StartConnect(QUORHANDLE h, int purpose) {
    return purpose == 0   ? quor_login(h, "me", "pw")
           : purpose == 1 ? quor_createuser(h, "me", "me@example.org")
                          : quor_reqpassword(h, "me", "me@example.org");
}

inline int StateOf(QUORHANDLE h) {
    return FindSession(reinterpret_cast<std::uintptr_t>(h))->state();
}

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
        RecordAllCallbacks();
        server.UseForLibrary();
    }

    void TearDown() override {
        quor_term();
        SetAfterEachCallback(nullptr);
        SetClockOverride({});
        quor_setserver(nullptr, 0);
    }

    // Creates a session, logs it on through the scripted server and clears
    // the record of the login callback.
    QUORHANDLE LogOn(const char *user = "me") {
        QUORHANDLE h = quor_create();
        EXPECT_NE(h, nullptr);
        EXPECT_EQ(quor_login(h, user, "secret"), 0);
        EXPECT_TRUE(server.AcceptOpening(200).has_value());
        EXPECT_TRUE(PumpUntil([] { return !Recorded().empty(); }));
        EXPECT_EQ(Recorded().front(), Ev(QUOR_CB_LOGIN, h, {"0"}));
        Recorded().clear();
        return h;
    }

    // Resets the logged-on session's connection from the server's side and
    // sends until the library notices: the disconnect comes once, from a
    // later pump, never from inside the export (nor as SIGPIPE).
    void ExpectLossFoundBySendingReportedLater(QUORHANDLE h) {
        server.Reset();
        ::usleep(20000); // the reset arrives, but no pump has seen it yet
        int result = 0;
        for (int i = 0; i < 50 && result == 0; ++i) {
            result = quor_sendtext(h, "bob", "hello");
            EXPECT_TRUE(Recorded().empty()) << "no callback from inside an export";
        }
        ASSERT_TRUE(WaitForEvents(1));
        PumpFor(50);
        EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
        EXPECT_EQ(quor_sendtext(h, "bob", "hello"), 1);
        EXPECT_EQ(quor_getlasterror(), 6);
    }

    // Pumps until at least n callbacks have been recorded.
    bool WaitForEvents(std::size_t n, int timeoutMs = 3000) {
        return PumpUntil([n] { return Recorded().size() >= n; }, timeoutMs);
    }

    ScriptedServer server;
};

} // namespace quor::testing
