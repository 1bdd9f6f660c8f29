// SPDX-License-Identifier: MIT
#include "connection_line_budget.h"

namespace quord {

ConnectionLineBudget::ConnectionLineBudget(LineBudgetRules rules, MillisecondClock clock)
    : rules_(rules), clock_(std::move(clock)) {}

bool ConnectionLineBudget::Admit(ConnectionId connection) {
    if (rules_.lines == 0) {
        return true;
    }
    const std::int64_t now = clock_();
    auto [it, added] = windows_.try_emplace(connection, Window{now, 0, 0});
    Window &window = it->second;
    if (window.leftOut == 0 && now - window.startMs >= rules_.windowMs) {
        window = Window{now, 0, 0}; // nothing to report: the next window starts here
    }
    if (window.written < rules_.lines) {
        ++window.written;
        return true;
    }
    if (window.leftOut++ == 0) {
        overdrawn_.emplace(window.startMs, connection);
    }
    return false;
}

std::vector<ConnectionLineBudget::LeftOut> ConnectionLineBudget::TakeEnded() {
    std::vector<LeftOut> ended;
    if (overdrawn_.empty()) {
        return ended;
    }
    const std::int64_t now = clock_();
    while (!overdrawn_.empty() && now - overdrawn_.begin()->first >= rules_.windowMs) {
        const auto [startMs, connection] = *overdrawn_.begin();
        overdrawn_.erase(overdrawn_.begin());
        auto it = windows_.find(connection);
        ended.push_back({connection, it->second.leftOut, now - startMs});
        windows_.erase(it);
    }
    return ended;
}

std::optional<ConnectionLineBudget::LeftOut> ConnectionLineBudget::Forget(ConnectionId connection) {
    auto it = windows_.find(connection);
    if (it == windows_.end()) {
        return std::nullopt;
    }
    const Window window = it->second;
    windows_.erase(it);
    if (window.leftOut == 0) {
        return std::nullopt;
    }
    overdrawn_.erase({window.startMs, connection});
    return LeftOut{connection, window.leftOut, clock_() - window.startMs};
}

} // namespace quord
