// SPDX-License-Identifier: MIT
// Date-time values and the service's reference time VRT (UTC minus two
// hours). A date-time value counts days since 30 December 1899 00:00, the
// fraction being the time of day; 25569 is 1 January 1970 00:00.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace hbquor {

using TDateTime = double;

// How server times are converted for the windows. Any value other than
// these acts as kTimeModeVrt.
inline constexpr std::uint8_t kTimeModeVrt = 0;
inline constexpr std::uint8_t kTimeModeUtc = 1;
inline constexpr std::uint8_t kTimeModeLocal = 2;

// The current time in VRT, to the millisecond.
TDateTime VrtNow();
// Seconds since 1970 UTC as a date-time value in UTC.
TDateTime UnixToDateTime(std::int64_t seconds);
// Seconds since 1970 UTC as a date-time value in VRT.
TDateTime UnixToVrt(std::int64_t seconds);
// A VRT value shifted to local time by the offset in force now (not the
// one in force at the given value).
TDateTime VrtToLocal(TDateTime vrt);
// Seconds since 1970 UTC as a local date-time value (offset in force now).
TDateTime UnixToLocal(std::int64_t seconds);
// Converts a server time by time mode (kTimeModeVrt, Utc or Local).
TDateTime ServerTimeToDateTime(std::int64_t seconds, std::uint8_t timeMode);

// Makes the helpers above read a fixed instant instead of the system clock;
// std::nullopt restores the system clock. The local offset follows the TZ
// environment variable (call tzset after changing it).
void SetClockOverride(std::optional<std::chrono::system_clock::time_point> now);

} // namespace hbquor
