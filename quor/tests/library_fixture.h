// Test fixture: an initialised library with every callback recorded and a
// scripted server that the library connects to.
#pragma once

#include "callback_recorder.h"
#include "clock.h"
#include "scripted_server.h"

#include "quor.h"

#include <gtest/gtest.h>

namespace quor::testing {

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

    // Pumps until at least n callbacks have been recorded.
    bool WaitForEvents(std::size_t n, int timeoutMs = 3000) {
        return PumpUntil([n] { return Recorded().size() >= n; }, timeoutMs);
    }

    ScriptedServer server;
};

} // namespace quor::testing
