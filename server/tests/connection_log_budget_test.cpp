// SPDX-License-Identifier: MIT
// The log budget per address: the first connections of a window are logged,
// later ones only counted and reported once, on a clock that moves when told.
#include "connection_log_budget.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

constexpr std::int64_t kMinute = 60 * 1000;

struct Budget {
    explicit Budget(ConnectionLogRules rules = {3, kMinute, 100})
        : budget(rules, [this] { return now; }) {}

    // How many of n connections from the address are logged.
    int Admit(const std::string &address, int n) {
        int logged = 0;
        for (int i = 0; i < n; ++i) {
            logged += budget.Admit(address) ? 1 : 0;
        }
        return logged;
    }

    std::int64_t now = 0;
    ConnectionLogBudget budget;
};

TEST(ConnectionLogBudgetTest, FirstConnectionsOfAWindowAreLoggedTheRestReportedOnce) {
    Budget b;
    EXPECT_EQ(b.Admit("10.0.0.1", 10), 3);
    EXPECT_EQ(b.Admit("10.0.0.2", 2), 2); // each address has its own
    b.now = kMinute - 1;
    EXPECT_TRUE(b.budget.TakeSummaries().empty());
    EXPECT_FALSE(b.budget.Admit("10.0.0.1"));
    b.now = kMinute + 500;
    // 10.0.0.2 left nothing out: no line for it.
    EXPECT_EQ(b.budget.TakeSummaries(),
              std::vector<std::string>{
                  "8 more connections from 10.0.0.1 in the last 61 s, not logged one by one"});
    EXPECT_TRUE(b.budget.TakeSummaries().empty());
    EXPECT_EQ(b.budget.addressesCounted(), 0u);
    EXPECT_EQ(b.Admit("10.0.0.1", 4), 3); // a new window
}

TEST(ConnectionLogBudgetTest, ANewAddressBeyondCapacityEndsTheOldestWindowEarly) {
    Budget b({1, kMinute, 2});
    b.Admit("10.0.0.1", 3);
    b.now = 1000;
    b.Admit("10.0.0.2", 1);
    b.now = 2000;
    EXPECT_TRUE(b.budget.Admit("10.0.0.3"));
    EXPECT_EQ(b.budget.addressesCounted(), 2u);
    EXPECT_EQ(b.budget.TakeSummaries(),
              std::vector<std::string>{
                  "2 more connections from 10.0.0.1 in the last 2 s, not logged one by one"});
}

TEST(ConnectionLogBudgetTest, StoppingReportsEveryOpenWindow) {
    Budget b;
    b.Admit("10.0.0.1", 5);
    b.Admit("10.0.0.2", 4);
    b.Admit("10.0.0.3", 1);
    EXPECT_EQ(b.budget.TakeAllSummaries(),
              (std::vector<std::string>{
                  "2 more connections from 10.0.0.1 in the last 1 s, not logged one by one",
                  "1 more connection from 10.0.0.2 in the last 1 s, not logged one by one"}));
    EXPECT_EQ(b.budget.addressesCounted(), 0u);
}

TEST(ConnectionLogBudgetTest, ZeroLogsEveryConnectionAndCountsNothing) {
    Budget b({0, kMinute, 100});
    EXPECT_EQ(b.Admit("10.0.0.1", 1000), 1000);
    EXPECT_EQ(b.budget.addressesCounted(), 0u);
    EXPECT_TRUE(b.budget.TakeAllSummaries().empty());
}

} // namespace
} // namespace quord
