// The time each new TLS client has to finish its handshake. All clients get
// the same span, so deadlines fall in the order the clients came.
#pragma once

#include "channel_registry.h" // ConnectionId

#include <chrono>
#include <deque>
#include <utility>
#include <vector>

namespace quord {

class HandshakeDeadlines {
public:
    using Clock = std::chrono::steady_clock;

    explicit HandshakeDeadlines(std::chrono::seconds span) : span_(span) {}

    std::chrono::seconds span() const { return span_; }
    void Start(ConnectionId connection, Clock::time_point now = Clock::now());
    // Milliseconds until the next deadline (0 when one has passed), or -1
    // when none is running: the network's wait time.
    int MillisecondsToNext(Clock::time_point now = Clock::now()) const;
    // Removes and returns the connections whose deadline has passed, oldest
    // first. Those that finished in time are for the caller to skip.
    std::vector<ConnectionId> TakeOverdue(Clock::time_point now = Clock::now());

private:
    std::chrono::seconds span_;
    std::deque<std::pair<Clock::time_point, ConnectionId>> pending_;
};

} // namespace quord
