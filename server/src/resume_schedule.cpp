// SPDX-License-Identifier: MIT
#include "resume_schedule.h"

#include <algorithm>

namespace quord {

int ResumeSchedule::MillisecondsToNext(std::int64_t nowMs) const {
    if (queue_.empty()) {
        return -1;
    }
    return static_cast<int>(std::max<std::int64_t>(queue_.top().first - nowMs, 0));
}

std::vector<ConnectionId> ResumeSchedule::TakeDue(std::int64_t nowMs) {
    std::vector<ConnectionId> due;
    while (!queue_.empty() && queue_.top().first <= nowMs) {
        due.push_back(queue_.top().second);
        queue_.pop();
    }
    return due;
}

} // namespace quord
