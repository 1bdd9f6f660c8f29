// SPDX-License-Identifier: MIT
// Date-time values and VRT conversions with an injected clock and time
// zone.
#include "hbQuorTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

namespace hbquor {
namespace {

constexpr double kTwoHours = 1.0 / 12.0;
constexpr double kEpsilon = 1e-9;

// Fixes the clock and the local time zone for one test.
class ClockAndZone : public ::testing::Test {
protected:
    void SetUp() override {
        const char *tz = std::getenv("TZ");
        hadZone_ = tz != nullptr;
        if (hadZone_)
            savedZone_ = tz;
    }
    void TearDown() override {
        SetClockOverride(std::nullopt);
        if (hadZone_)
            setenv("TZ", savedZone_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void UseZone(const char *zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
    static void UseInstant(std::int64_t unixSeconds, int millis = 0) {
        SetClockOverride(std::chrono::system_clock::time_point(std::chrono::seconds(unixSeconds) +
                                                               std::chrono::milliseconds(millis)));
    }

private:
    bool hadZone_ = false;
    std::string savedZone_;
};

TEST_F(ClockAndZone, UnixTimesBecomeDayCounts) {
    EXPECT_DOUBLE_EQ(UnixToDateTime(0), 25569.0);
    EXPECT_DOUBLE_EQ(UnixToDateTime(86400), 25570.0);
    EXPECT_DOUBLE_EQ(UnixToDateTime(43200), 25569.5);
    EXPECT_DOUBLE_EQ(UnixToVrt(7200), 25569.0);
    EXPECT_NEAR(UnixToVrt(0), 25569.0 - kTwoHours, kEpsilon);
}

TEST_F(ClockAndZone, ServerTimesFollowTheTimeMode) {
    EXPECT_DOUBLE_EQ(ServerTimeToDateTime(7200, kTimeModeVrt), 25569.0);
    EXPECT_NEAR(ServerTimeToDateTime(7200, kTimeModeUtc), 25569.0 + kTwoHours, kEpsilon);
    EXPECT_DOUBLE_EQ(ServerTimeToDateTime(7200, 7), 25569.0); // unknown mode acts as VRT
    UseZone("UTC-3");                                         // three hours east of UTC
    UseInstant(1'700'000'000);
    EXPECT_NEAR(ServerTimeToDateTime(7200, kTimeModeLocal), 25569.0 + 5.0 / 24.0, kEpsilon);
}

TEST_F(ClockAndZone, VrtNowIsUtcMinusTwoHoursToTheMillisecond) {
    UseInstant(7200, 500);
    EXPECT_NEAR(VrtNow(), 25569.0 + 0.5 / 86400.0, kEpsilon);
    UseInstant(86400 * 3 + 3600);
    EXPECT_NEAR(VrtNow(), 25572.0 - 1.0 / 24.0, kEpsilon);
}

TEST_F(ClockAndZone, LocalTimeUsesTheOffsetInForceNow) {
    // Central European zone: one hour east in winter, two in summer.
    UseZone("CET-1CEST,M3.5.0,M10.5.0/3");
    UseInstant(1'704'067'200);                         // 1 January 2024, winter
    const double summerVrt = UnixToVrt(1'719'792'000); // 1 July 2024
    EXPECT_NEAR(VrtToLocal(summerVrt), summerVrt + kTwoHours + 1.0 / 24.0, kEpsilon);
    EXPECT_NEAR(UnixToLocal(1'719'792'000), UnixToDateTime(1'719'792'000) + 1.0 / 24.0, kEpsilon);
    UseInstant(1'719'792'000); // now in summer
    EXPECT_NEAR(UnixToLocal(1'704'067'200), UnixToDateTime(1'704'067'200) + 2.0 / 24.0, kEpsilon);
}

TEST_F(ClockAndZone, SystemClockIsUsedWithoutAnOverride) {
    SetClockOverride(std::nullopt);
    const auto now = std::chrono::system_clock::now();
    const double expected =
        UnixToVrt(std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
    EXPECT_NEAR(VrtNow(), expected, 5.0 / 86400.0);
}

} // namespace
} // namespace hbquor
