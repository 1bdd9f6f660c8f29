// SPDX-License-Identifier: MIT
// Time sources of the library. Tests replace them to move time forward
// without waiting.
#pragma once

#include <cstdint>

namespace quor {

// Milliseconds on a monotonic clock cut to 32 bits; compare with
// TickElapsed, which handles the wrap-around.
std::uint32_t TickNow();
// Seconds since 1970-01-01 UTC.
std::int32_t CalendarNow();

inline std::uint32_t TickElapsed(std::uint32_t since, std::uint32_t now) {
    return now - since;
}

struct ClockOverride {
    std::uint32_t (*tick)() = nullptr;
    std::int32_t (*calendar)() = nullptr;
};
// Installs replacement time sources; null members keep the real ones.
void SetClockOverride(ClockOverride clock);

} // namespace quor
