// SPDX-License-Identifier: MIT
#include "connection_log_budget.h"

#include "server_log.h"

#include <algorithm>
#include <utility>

namespace quord {

ConnectionLogBudget::ConnectionLogBudget(ConnectionLogRules rules, MillisecondClock clock)
    : rules_(rules), clock_(std::move(clock)) {
    rules_.capacity = std::max<std::size_t>(rules_.capacity, 1);
}

bool ConnectionLogBudget::Admit(std::string_view address) {
    if (rules_.connections == 0) {
        return true;
    }
    const std::int64_t now = clock_();
    CloseEnded(now);
    auto found = index_.find(address);
    if (found == index_.end()) {
        if (index_.size() >= rules_.capacity) {
            Close(windows_.begin(), now);
        }
        windows_.push_back(Window{std::string(address), now, 0, 0});
        found = index_.emplace(windows_.back().address, std::prev(windows_.end())).first;
    }
    Window &window = *found->second;
    if (window.logged < rules_.connections) {
        ++window.logged;
        return true;
    }
    ++window.leftOut;
    return false;
}

std::vector<std::string> ConnectionLogBudget::TakeSummaries() {
    CloseEnded(clock_());
    return std::exchange(summaries_, {});
}

std::vector<std::string> ConnectionLogBudget::TakeAllSummaries() {
    const std::int64_t now = clock_();
    while (!windows_.empty()) {
        Close(windows_.begin(), now);
    }
    return std::exchange(summaries_, {});
}

void ConnectionLogBudget::CloseEnded(std::int64_t nowMs) {
    while (!windows_.empty() && nowMs - windows_.front().startMs >= rules_.windowMs) {
        Close(windows_.begin(), nowMs);
    }
}

void ConnectionLogBudget::Close(Windows::iterator window, std::int64_t nowMs) {
    if (window->leftOut > 0) {
        summaries_.push_back(LeftOutLine(window->leftOut, "connection", "connections",
                                         "from " + window->address, nowMs - window->startMs));
    }
    index_.erase(window->address);
    windows_.erase(window);
}

} // namespace quord
