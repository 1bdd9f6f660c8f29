// SPDX-License-Identifier: MIT
// The session manager's own lifetime: initialising the library, and what
// its destruction clears, closes and terminates.
#include "SessionFixture.h"

#include "callbacks.h"

namespace hbquor::testing {
namespace {

bool AllSlotsEmpty() {
    for (int slot = 0; slot < QUOR_CB_COUNT; ++slot)
        if (quor::CallbackAt(slot) != nullptr)
            return false;
    return true;
}

TEST(ThbQuorCentralLifetime, DestructionClearsCallbacksClosesSessionsAndTerminates) {
    quor::testing::ScriptedServer server;
    server.UseForLibrary();
    int disconnectedEvents = 0;
    {
        ThbQuorCentral central;
        EXPECT_FALSE(central.Initialised());
        EXPECT_EQ(central.TimeMode(), kTimeModeVrt);
        ASSERT_EQ(central.Init(), 0);
        EXPECT_TRUE(central.Initialised());
        EXPECT_EQ(RegisteredCentral(), &central);
        central.SetOnDisconnected([&](ThbQuorUnit *) { ++disconnectedEvents; });
        ASSERT_EQ(central.Login("alice", "secret"), 0);
        ASSERT_TRUE(server.AcceptOpening(200));
        ASSERT_TRUE(PumpUntil([&] { return central.IsConnected("alice"); }, 3000, PumpPending));
    }
    EXPECT_EQ(RegisteredCentral(), nullptr);
    EXPECT_TRUE(AllSlotsEmpty());
    EXPECT_EQ(quor_getfd(), -1); // the library is terminated
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_EQ(disconnectedEvents, 0);
}

TEST(ThbQuorCentralLifetime, ASecondManagerCannotTakeOverTheLibrary) {
    ThbQuorCentral first;
    ASSERT_EQ(first.Init(), 0);
    // Initialising twice fails but leaves the first initialisation in force.
    EXPECT_EQ(first.Init(), 1);
    EXPECT_TRUE(first.Initialised());
    {
        ThbQuorCentral second;
        EXPECT_EQ(second.Init(), 1); // the library's own result
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_ALREADY_INITIALIZED);
        EXPECT_FALSE(second.Initialised());
        EXPECT_EQ(RegisteredCentral(), &first);
        // Without the library it still keeps sessions, but cannot log in.
        ASSERT_TRUE(second.AddLogin("bob", "pw"));
        EXPECT_TRUE(second.HasLogin("bob"));
    }
    // Destroying the failed one leaves the library and the callbacks alone.
    EXPECT_EQ(RegisteredCentral(), &first);
    EXPECT_FALSE(AllSlotsEmpty());
    EXPECT_GE(quor_getfd(), 0);
}

TEST(ThbQuorCentralLifetime, WithoutTheLibraryEveryCallFails) {
    ThbQuorCentral central; // Init never called
    std::vector<std::string> failures;
    central.SetOnLoginFailed([&](ThbQuorUnit *, const std::string &text, int code) {
        failures.push_back(std::to_string(code) + " " + text);
    });
    EXPECT_EQ(central.Login("alice", "secret"), QUOR_ERR_NOT_INITIALIZED);
    EXPECT_EQ(failures, std::vector<std::string>{"1 not initialized"});
    EXPECT_EQ(central.CreateUser("bob", "b@example.org"), QUOR_ERR_NOT_INITIALIZED);
    EXPECT_EQ(central.RequestPassword("bob", "b@example.org"), QUOR_ERR_NOT_INITIALIZED);
    EXPECT_EQ(central.PasswordRequestHandle(), nullptr);
    EXPECT_TRUE(central.IsIdle("alice"));
}

} // namespace
} // namespace hbquor::testing
