/* SPDX-License-Identifier: MIT */
// One logon and one incoming text, staged so that only the event loop under
// test pumps the library: the scripted server is stepped from the loop's own
// timer with zero time-outs, and its zero-time-out waits never pump.
#pragma once

#include "scripted_server.h"

#include "quor.h"

#include <string>

namespace quor::testing {

// What the library delivered through the loop.
struct LoopOutcome {
    int loginResult = -1;
    std::string sender;
    std::string text;
};

class LoopLogon {
public:
    // Initialises the library, points it at the scripted server and starts
    // logging "anna" on; the loop under test does the rest.
    LoopLogon();
    ~LoopLogon();
    LoopLogon(const LoopLogon &) = delete;
    LoopLogon &operator=(const LoopLogon &) = delete;

    // Moves the server side on as far as the client has come, without
    // waiting: accept, read the opening request, accept the logon and send
    // the text. Returns true once the library has delivered the text.
    bool Step();

    static const LoopOutcome &Outcome();
    static const char *Text() { return "hello through the loop"; }

private:
    enum class Stage { Accept, ReadOpening, Done };
    ScriptedServer server_;
    Stage stage_ = Stage::Accept;
};

} // namespace quor::testing
