// SPDX-License-Identifier: MIT
#include "hbQuorTime.h"

#include <ctime>

namespace hbquor {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kUnixEpochDay = 25569.0; // 1 January 1970 as a date-time value
constexpr std::int64_t kVrtOffsetSeconds = 2 * 3600;

std::optional<std::chrono::system_clock::time_point> &ClockOverride() {
    static std::optional<std::chrono::system_clock::time_point> override;
    return override;
}

std::chrono::system_clock::time_point CurrentInstant() {
    return ClockOverride().value_or(std::chrono::system_clock::now());
}

// The instant as whole seconds since 1970 and milliseconds within the second.
void SplitInstant(std::chrono::system_clock::time_point instant, std::int64_t &seconds,
                  int &millis) {
    auto sinceEpoch =
        std::chrono::duration_cast<std::chrono::milliseconds>(instant.time_since_epoch()).count();
    seconds = sinceEpoch / 1000;
    millis = static_cast<int>(sinceEpoch % 1000);
    if (millis < 0) {
        millis += 1000;
        --seconds;
    }
}

TDateTime MillisecondsToDays(int millis) {
    return millis / (kSecondsPerDay * 1000.0);
}

TDateTime UtcDateTime(std::chrono::system_clock::time_point instant) {
    std::int64_t seconds = 0;
    int millis = 0;
    SplitInstant(instant, seconds, millis);
    return UnixToDateTime(seconds) + MillisecondsToDays(millis);
}

// The local wall-clock time of the instant as a date-time value.
TDateTime LocalDateTime(std::chrono::system_clock::time_point instant) {
    std::int64_t seconds = 0;
    int millis = 0;
    SplitInstant(instant, seconds, millis);
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    // timegm reads the broken-down local time as if it were UTC, which gives
    // the wall-clock reading as a count of seconds.
    std::int64_t wallClock = timegm(&local);
    return UnixToDateTime(wallClock) + MillisecondsToDays(millis);
}

TDateTime VrtAt(std::chrono::system_clock::time_point instant) {
    return UtcDateTime(instant) - static_cast<double>(kVrtOffsetSeconds) / kSecondsPerDay;
}

} // namespace

TDateTime VrtNow() {
    return VrtAt(CurrentInstant());
}

TDateTime UnixToDateTime(std::int64_t seconds) {
    return static_cast<double>(seconds) / kSecondsPerDay + kUnixEpochDay;
}

TDateTime UnixToVrt(std::int64_t seconds) {
    return UnixToDateTime(seconds - kVrtOffsetSeconds);
}

TDateTime VrtToLocal(TDateTime vrt) {
    auto now = CurrentInstant();
    return vrt - VrtAt(now) + LocalDateTime(now);
}

TDateTime UnixToLocal(std::int64_t seconds) {
    return VrtToLocal(UnixToVrt(seconds));
}

TDateTime ServerTimeToDateTime(std::int64_t seconds, std::uint8_t timeMode) {
    switch (timeMode) {
    case kTimeModeUtc:
        return UnixToDateTime(seconds);
    case kTimeModeLocal:
        return UnixToLocal(seconds);
    default:
        return UnixToVrt(seconds);
    }
}

void SetClockOverride(std::optional<std::chrono::system_clock::time_point> now) {
    ClockOverride() = now;
}

} // namespace hbquor
