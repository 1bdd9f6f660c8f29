// SPDX-License-Identifier: MIT
// The record budget of one client, on a clock the test moves.
#include "token_bucket.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

constexpr RateLimit kLimit{50, 20};

TEST(TokenBucketTest, ABurstThenTheRate) {
    TokenBucket bucket(kLimit, 0);
    int served = 0;
    // 10,000 records offered at once, then each millisecond for 10 s.
    for (std::int64_t ms = 0; ms <= 10000; ++ms) {
        while (bucket.Ready(ms) && served < 10000) {
            bucket.Take(1, ms);
            ++served;
        }
        if (ms == 0) {
            EXPECT_EQ(served, 50);
        }
    }
    EXPECT_EQ(served, 50 + 20 * 10);
    // Quiet for an hour, it has no more than its burst.
    EXPECT_EQ(bucket.WholeTokens(3600 * 1000), 50);
}

TEST(TokenBucketTest, WaitsAreExactAndDebtsArePaidFirst) {
    struct Case {
        double cost;        // taken from a full bucket at 0
        std::int64_t wait;  // until a whole token is there again
        std::int64_t whole; // whole tokens at 0 after the cost
    };
    for (const Case &c : {Case{49, 0, 1}, Case{50, 50, 0}, Case{49.5, 25, 0}, Case{150, 5050, 0}}) {
        TokenBucket bucket(kLimit, 0);
        bucket.Take(c.cost, 0);
        EXPECT_EQ(bucket.WholeTokens(0), c.whole) << c.cost;
        EXPECT_EQ(bucket.MillisecondsUntilReady(0), c.wait) << c.cost;
        if (c.wait > 0) {
            EXPECT_FALSE(bucket.Ready(c.wait - 1)) << c.cost;
        }
        EXPECT_TRUE(bucket.Ready(c.wait)) << c.cost;
    }
}

} // namespace
} // namespace quord
