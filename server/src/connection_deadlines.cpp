// SPDX-License-Identifier: MIT
#include "connection_deadlines.h"

#include <algorithm>

namespace quord {

void ConnectionDeadlines::Start(ConnectionId connection, Clock::time_point now) {
    pending_.emplace_back(now + span_, connection);
}

int ConnectionDeadlines::MillisecondsToNext(Clock::time_point now) const {
    if (pending_.empty()) {
        return -1;
    }
    const auto left = pending_.front().first - now;
    // Rounded up, so that the wait does not end just before the deadline.
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::max<decltype(ms)>(ms, 0));
}

std::vector<ConnectionId> ConnectionDeadlines::TakeOverdue(Clock::time_point now) {
    std::vector<ConnectionId> overdue;
    while (!pending_.empty() && pending_.front().first <= now) {
        overdue.push_back(pending_.front().second);
        pending_.pop_front();
    }
    return overdue;
}

} // namespace quord
