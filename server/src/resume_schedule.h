// SPDX-License-Identifier: MIT
// When paused connections have earned a token again: a queue of wake-up
// times, soonest first, that the network loop waits for and then resumes
// the connections due. Entries for connections that have gone or were
// resumed otherwise are left for the caller to skip.
#pragma once

#include "channel_registry.h" // ConnectionId

#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

namespace quord {

class ResumeSchedule {
public:
    void Add(ConnectionId connection, std::int64_t atMs) { queue_.emplace(atMs, connection); }
    // Milliseconds until the next wake-up (0 when one is due), or -1 when
    // none is pending.
    int MillisecondsToNext(std::int64_t nowMs) const;
    // Removes and returns the connections due, soonest first.
    std::vector<ConnectionId> TakeDue(std::int64_t nowMs);
    std::size_t size() const { return queue_.size(); }

private:
    using Entry = std::pair<std::int64_t, ConnectionId>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue_;
};

} // namespace quord
