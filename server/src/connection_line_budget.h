// SPDX-License-Identifier: MIT
// How many lines the log gets about one connection. A client that sends
// thousands of unknown records or refused requests a second would
// otherwise fill the disk with a line for each. Every connection may have a
// number of lines written within a window; the lines beyond are counted,
// and one line reports the count once the window is over or the connection
// closes. Lines that must never be left out (what a password check
// decided) do not pass through here.
//
// A window starts with a connection's first line after the last one ended.
// Only connections with lines left out wait for their window's end, so
// looking for ended windows costs nothing while no one floods the log.
#pragma once

#include "channel_registry.h" // ConnectionId
#include "millisecond_clock.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quord {

struct LineBudgetRules {
    std::size_t lines = 20; // written per connection and window; 0: all
    std::int64_t windowMs = 60 * 1000;
};

class ConnectionLineBudget {
public:
    explicit ConnectionLineBudget(LineBudgetRules rules,
                                  MillisecondClock clock = SteadyMilliseconds);

    // Counts a line about the connection; whether it is to be written.
    bool Admit(ConnectionId connection);

    // Lines of one connection left out of one window.
    struct LeftOut {
        ConnectionId connection = 0;
        std::size_t lines = 0;
        std::int64_t ms = 0; // since the window started
        bool operator==(const LeftOut &) const = default;
    };
    // The windows that have ended with lines left out, oldest first; those
    // connections start a new window with their next line.
    std::vector<LeftOut> TakeEnded();
    // Forgets a connection that has closed: what its window left out, if
    // anything.
    std::optional<LeftOut> Forget(ConnectionId connection);

    std::size_t connectionsCounted() const { return windows_.size(); }

private:
    struct Window {
        std::int64_t startMs = 0;
        std::size_t written = 0;
        std::size_t leftOut = 0;
    };
    LineBudgetRules rules_;
    MillisecondClock clock_;
    std::unordered_map<ConnectionId, Window> windows_;
    // The connections with lines left out, by the start of their window.
    std::set<std::pair<std::int64_t, ConnectionId>> overdrawn_;
};

} // namespace quord
