// SPDX-License-Identifier: MIT
// The login throttle and its penalty tables, on an injected clock.
#include "login_throttle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quord {
namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;

PenaltyRules Rules(std::size_t capacity = 100) {
    PenaltyRules rules; // 5 failures in 15 minutes, 1 s doubling to 15 minutes
    rules.capacity = capacity;
    return rules;
}

TEST(PenaltyTableTest, PenaltiesStartAfterFiveFailuresInTheWindowAndDoubleToTheCap) {
    PenaltyTable table(Rules());
    std::vector<std::int64_t> earned;
    for (int i = 0; i < 16; ++i) {
        earned.push_back(table.RecordFailure("10.0.0.1", i * kSecond));
    }
    const std::vector<std::int64_t> expected = {0,
                                                0,
                                                0,
                                                0,
                                                1 * kSecond,
                                                2 * kSecond,
                                                4 * kSecond,
                                                8 * kSecond,
                                                16 * kSecond,
                                                32 * kSecond,
                                                64 * kSecond,
                                                128 * kSecond,
                                                256 * kSecond,
                                                512 * kSecond,
                                                15 * kMinute,
                                                15 * kMinute};
    EXPECT_EQ(earned, expected);
    EXPECT_EQ(table.PenaltyLeft("10.0.0.1", 15 * kSecond), 15 * kMinute);
    EXPECT_EQ(table.PenaltyLeft("10.0.0.1", 15 * kSecond + 15 * kMinute), 0);
    EXPECT_EQ(table.PenaltyLeft("10.0.0.2", 15 * kSecond), 0);
}

TEST(PenaltyTableTest, OnlyFailuresInsideTheSlidingWindowCount) {
    PenaltyTable table(Rules());
    // Failures 4 minutes apart: the fifth comes 16 minutes after the first.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table.RecordFailure("anna", i * 4 * kMinute), 0) << i;
    }
    // The sixth has five within its window.
    EXPECT_EQ(table.RecordFailure("anna", 17 * kMinute), kSecond);
    // A quiet window forgets everything, the doubling included.
    EXPECT_EQ(table.RecordFailure("anna", 33 * kMinute), 0);
}

TEST(PenaltyTableTest, StaysBoundedUnderAFloodOfKeysAndKeepsTheRecentlyUsed) {
    PenaltyTable table(Rules(1000));
    for (int i = 0; i < 5; ++i) {
        table.RecordFailure("victim", i);
    }
    for (int i = 0; i < 100000; ++i) {
        table.RecordFailure("10." + std::to_string(i), 10);
        if (i % 500 == 0) {
            table.PenaltyLeft("victim", 10); // still in use: stays
        }
        ASSERT_LE(table.size(), 1000u);
    }
    EXPECT_GT(table.PenaltyLeft("victim", 10), 0);
    EXPECT_EQ(table.RecordFailure("10.0", 20), 0); // evicted long ago: a fresh start
}

struct FakeClock {
    std::int64_t now = 0;
    MillisecondClock clock() {
        return [this] { return now; };
    }
};

// A whole check that failed or succeeded.
void Check(LoginThrottle &throttle, const std::string &address, const std::string &account,
           bool succeeded = false) {
    throttle.StartLoginCheck({address, account});
    throttle.FinishLoginCheck({address, account}, succeeded);
}

std::int64_t PenaltyLeft(LoginThrottle &throttle, const std::string &address,
                         const std::string &account, AccountLimits limits = AccountLimits::Apply) {
    return throttle.HoldFor(address, account, limits).penaltyLeftMs;
}

TEST(LoginThrottleTest, AccountIsThrottledFromEveryAddressAndClearedBySuccess) {
    FakeClock time;
    LoginThrottle throttle(Rules(), time.clock());
    for (int i = 0; i < 5; ++i) {
        Check(throttle, "10.0.0." + std::to_string(i), "anna");
    }
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.9", "anna"), kSecond);
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.9", "bob"), 0);
    EXPECT_EQ(throttle.AddressPenaltyLeft("10.0.0.1"), 0); // one failure each
    // An address the account trusts is held back by its own limits only.
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.9", "anna", AccountLimits::Waived), 0);
    time.now += kSecond;
    Check(throttle, "10.0.0.9", "anna", true);
    EXPECT_EQ(throttle.StartLoginCheck({"10.0.0.9", "anna"}), 0); // counting starts afresh
}

TEST(LoginThrottleTest, AddressIsThrottledForEveryAccountAndSuccessTakesBackOnlyItself) {
    FakeClock time;
    LoginThrottle throttle(Rules(), time.clock());
    for (const char *name : {"a", "b", "c"}) {
        Check(throttle, "10.0.0.1", name);
    }
    for (int i = 0; i < 10; ++i) {
        Check(throttle, "10.0.0.1", "d", true); // users behind one address log on freely
    }
    Check(throttle, "10.0.0.1", "e");
    EXPECT_EQ(throttle.AddressAttempt("10.0.0.1"), kSecond); // an account request counts too
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.1", "zed"), kSecond);
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.1", "zed", AccountLimits::Waived), kSecond);
    time.now += 400;
    EXPECT_EQ(throttle.AddressPenaltyLeft("10.0.0.1"), 600);
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.0.2", "zed"), 0);
}

TEST(LoginThrottleTest, ChecksCountAsTheyStartAndHoldTheirAddressAndAccount) {
    FakeClock time;
    LoginThrottle throttle(Rules(), time.clock());
    for (int i = 0; i < 5; ++i) {
        throttle.StartLoginCheck({"10.0.1." + std::to_string(i), "anna"});
    }
    EXPECT_EQ(PenaltyLeft(throttle, "10.0.1.9", "anna"), kSecond); // none has finished
    EXPECT_TRUE(throttle.HoldFor("10.0.1.0", "bob", AccountLimits::Apply).checkRunning);
    EXPECT_FALSE(throttle.HoldFor("10.0.1.9", "anna", AccountLimits::Waived).checkRunning);
}

} // namespace
} // namespace quord
