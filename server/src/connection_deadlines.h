// SPDX-License-Identifier: MIT
// The time each new client has for one step (its TLS handshake, its opening
// request). All clients get the same span, so deadlines fall in the order
// the clients came and a queue keeps them sorted.
#pragma once

#include "channel_registry.h" // ConnectionId

#include <chrono>
#include <deque>
#include <utility>
#include <vector>

namespace quord {

class ConnectionDeadlines {
public:
    using Clock = std::chrono::steady_clock;

    explicit ConnectionDeadlines(std::chrono::milliseconds span) : span_(span) {}

    std::chrono::milliseconds span() const { return span_; }
    void Start(ConnectionId connection, Clock::time_point now = Clock::now());
    // Milliseconds until the next deadline (0 when one has passed), or -1
    // when none is running: the network's wait time.
    int MillisecondsToNext(Clock::time_point now = Clock::now()) const;
    // Removes and returns the connections whose deadline has passed, oldest
    // first. Those that finished in time are for the caller to skip.
    std::vector<ConnectionId> TakeOverdue(Clock::time_point now = Clock::now());

private:
    std::chrono::milliseconds span_;
    std::deque<std::pair<Clock::time_point, ConnectionId>> pending_;
};

} // namespace quord
