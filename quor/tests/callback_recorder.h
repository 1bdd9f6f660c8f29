// SPDX-License-Identifier: MIT
// Records every library callback with its arguments as text, so tests can
// compare what the library raised with what they expect.
#pragma once

#include "quor.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quor::testing {

struct RaisedEvent {
    int slot;
    QUORHANDLE handle;
    std::vector<std::string> args; // NULL strings are recorded as "(null)"

    bool operator==(const RaisedEvent &) const = default;
};

// Registers a recording function in all 24 slots and clears the record.
void RecordAllCallbacks();
std::vector<RaisedEvent> &Recorded();
// Runs after an event has been recorded, inside the callback.
void SetAfterEachCallback(std::function<void(const RaisedEvent &)> hook);
// Shorthand for an expected event.
RaisedEvent Ev(int slot, QUORHANDLE h, std::vector<std::string> args = {});
void PrintTo(const RaisedEvent &e, std::ostream *os);

} // namespace quor::testing
