// SPDX-License-Identifier: MIT
// How much the log tells about connections that have not logged on, per
// client address. Refused logins during a flood would otherwise write a few
// lines per connection, thousands a second, until the disk is full. The
// first connections of an address within a window are logged in full; the
// lines of later ones are left out and counted, and one line per address
// reports the count once the window is over. Connections that log on are
// logged in full from then on (see Network::LoggedOn), and what the
// password checks decide is always logged.
//
// Windows start with an address's first connection. The table is bounded:
// the address whose window started first makes room for a new one and
// reports its count early, so a flood of addresses cannot exhaust memory.
#pragma once

#include "millisecond_clock.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quord {

struct ConnectionLogRules {
    std::size_t connections = 20; // logged in full per address and window; 0: all
    std::int64_t windowMs = 60 * 1000;
    std::size_t capacity = 10000; // addresses counted at once
};

class ConnectionLogBudget {
public:
    explicit ConnectionLogBudget(ConnectionLogRules rules,
                                 MillisecondClock clock = SteadyMilliseconds);

    // Counts a new connection from the address (also one refused at once);
    // whether its lines are to be logged.
    bool Admit(std::string_view address);
    // The report lines of the windows that have ended with connections
    // left out, oldest first.
    std::vector<std::string> TakeSummaries();
    // Ends every window, as when the server stops: the report lines of
    // those with connections left out.
    std::vector<std::string> TakeAllSummaries();

    std::size_t addressesCounted() const { return index_.size(); }

private:
    struct Window {
        std::string address;
        std::int64_t startMs = 0;
        std::size_t logged = 0;
        std::size_t leftOut = 0;
    };
    using Windows = std::list<Window>; // oldest start first

    void CloseEnded(std::int64_t nowMs);
    void Close(Windows::iterator window, std::int64_t nowMs);

    ConnectionLogRules rules_;
    MillisecondClock clock_;
    Windows windows_;
    std::unordered_map<std::string_view, Windows::iterator> index_; // views into windows_
    std::vector<std::string> summaries_;
};

} // namespace quord
