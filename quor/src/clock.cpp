// SPDX-License-Identifier: MIT
#include "clock.h"

#include <ctime>

namespace quor {

namespace {
ClockOverride g_override;
}

std::uint32_t TickNow() {
    if (g_override.tick != nullptr) {
        return g_override.tick();
    }
    // The coarse clock (a few milliseconds' resolution) is plenty for a
    // one-minute watchdog and costs far less on every read.
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
              static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

std::int32_t CalendarNow() {
    if (g_override.calendar != nullptr) {
        return g_override.calendar();
    }
    return static_cast<std::int32_t>(std::time(nullptr));
}

void SetClockOverride(ClockOverride clock) {
    g_override = clock;
}

} // namespace quor
