// SPDX-License-Identifier: MIT
// The line budget per connection, on a clock that moves when told: lines
// beyond the budget are counted and reported once a window, or at close.
#include "connection_line_budget.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

constexpr std::int64_t kMinute = 60 * 1000;
using LeftOut = ConnectionLineBudget::LeftOut;

TEST(ConnectionLineBudgetTest, LinesBeyondTheBudgetAreReportedOnceAWindowOrAtClose) {
    struct {
        std::int64_t now = 0;
        ConnectionLineBudget budget{{3, kMinute}, [this] { return now; }};
        // How many of n lines about the connection are written.
        int Admit(ConnectionId connection, int n) {
            int written = 0;
            while (n-- > 0) {
                written += budget.Admit(connection) ? 1 : 0;
            }
            return written;
        }
    } b;
    EXPECT_EQ(b.Admit(17, 10000), 3);
    b.now = 30 * 1000;
    EXPECT_EQ(b.Admit(18, 2), 2); // each connection has its own
    EXPECT_TRUE(b.budget.TakeEnded().empty());
    b.now = kMinute;
    EXPECT_EQ(b.budget.TakeEnded(), (std::vector<LeftOut>{{17, 9997, kMinute}}));
    EXPECT_TRUE(b.budget.TakeEnded().empty()); // once
    EXPECT_EQ(b.Admit(17, 5), 3);              // a new window
    b.now = 2 * kMinute;
    EXPECT_EQ(b.Admit(18, 5), 3); // its window ended without lines left out
    b.now = 3 * kMinute;
    EXPECT_EQ(b.budget.TakeEnded(), (std::vector<LeftOut>{{17, 2, 2 * kMinute}, {18, 2, kMinute}}));
    b.Admit(17, 4);
    EXPECT_EQ(b.budget.Forget(17), (LeftOut{17, 1, 0})); // reported at close, not again
    b.now = 4 * kMinute;
    EXPECT_TRUE(b.budget.TakeEnded().empty());
    EXPECT_EQ(b.budget.connectionsCounted(), 0u);
}

} // namespace
} // namespace quord
