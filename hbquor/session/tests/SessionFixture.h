// SPDX-License-Identifier: MIT
// A session manager with an initialised library, every event recorded, and
// a scripted server that the library connects to.
#pragma once

#include "SessionEventLog.h"
#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "scripted_server.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace hbquor::testing {

// Waits pump through the session layer (PumpPending), so a fault raised by
// an event handler comes out of the wait.
using quor::testing::PumpFor;
using quor::testing::PumpUntil;

// Reply ids of the server used by the tests.
inline constexpr std::int32_t kLoginAccepted = 200;
inline constexpr std::int32_t kListOfContacts = 310;

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Logs name in, lets the server accept it and pumps until connected.
    // Returns the session, or null when that failed (the test then fails).
    ThbQuorUnit *LogIn(const std::string &name, const std::string &password = "secret");
    // Pumps until the session manager raised an event with this line.
    bool AwaitEvent(const std::string &line, int timeoutMs = 3000);
    // The next record the server receives, or std::nullopt.
    std::optional<quor::QuorMessage> NextRecord(int timeoutMs = 3000);
    // The items of a whole contact list (id 310) the client sends next.
    std::optional<std::vector<std::string>> NextContactList();
    // Lets the server close the session's connection while no callbacks
    // are registered, so the session layer still believes it connected and
    // every later request of the session fails inside the library.
    void CloseUnnoticed(ThbQuorUnit *session);

    quor::testing::ScriptedServer server;
    ThbQuorCentral central;
    EventLog events;
};

// The same with the user alice logged in.
class ConnectedTest : public SessionTest {
protected:
    void SetUp() override;
    ThbQuorUnit *alice = nullptr;
};

} // namespace hbquor::testing
