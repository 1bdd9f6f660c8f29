// SPDX-License-Identifier: MIT
// The hashing threads and the password work they run.
#include "hash_pool.h"

#include <gtest/gtest.h>

#include <poll.h>

namespace quord {
namespace {

constexpr HashCost kOtherCheapCost{2, 8 * 1024};

TEST(PasswordWorkTest, ChecksRehashesAtAnotherCostAndHashesAnew) {
    const std::string cheap = HashPassword("secret", kCheapHashCost);
    const std::string mailed = HashPassword("mailed", kOtherCheapCost);
    struct Case {
        std::string storedHash;
        std::string password;
        HashCost cost;
        bool verified;
        bool newHash;
        std::string mailedHash = "";
        bool matchedMailed = false;
    };
    for (const Case &c : {Case{cheap, "secret", kCheapHashCost, true, false},
                          Case{cheap, "secret", kOtherCheapCost, true, true},
                          Case{cheap, "wrong", kOtherCheapCost, false, false},
                          Case{"not a hash", "secret", kCheapHashCost, false, false},
                          Case{"", "secret", kCheapHashCost, false, true},
                          // A password mailed on request works beside the stored one.
                          Case{cheap, "secret", kOtherCheapCost, true, true, mailed, false},
                          Case{cheap, "mailed", kCheapHashCost, true, true, mailed, true},
                          Case{cheap, "wrong", kOtherCheapCost, false, false, mailed, false}}) {
        PasswordTask task{c.password, c.storedHash, c.cost, c.mailedHash};
        const PasswordOutcome outcome = RunPasswordTask(task);
        EXPECT_EQ(outcome.verified, c.verified) << c.storedHash << " " << c.password;
        EXPECT_EQ(outcome.matchedMailed, c.matchedMailed) << c.password;
        ASSERT_EQ(!outcome.newHash.empty(), c.newHash) << c.storedHash << " " << c.password;
        if (c.newHash) {
            EXPECT_TRUE(VerifyPassword(outcome.newHash, c.password));
            EXPECT_FALSE(NeedsRehash(outcome.newHash, c.cost));
        }
        EXPECT_EQ(task.password, std::string(c.password.size(), '\0')); // wiped
    }
}

TEST(HashPoolTest, SignalsFinishedWorkAndRefusesBeyondItsQueue) {
    HashPool pool(1, 2);
    // A slow task holds the one thread while the queue fills.
    ASSERT_TRUE(pool.Submit(1, {"slow", "", kDefaultHashCost, ""}));
    int accepted = 0;
    for (WorkTicket ticket = 2; ticket < 6; ++ticket) {
        accepted += pool.Submit(ticket, {"quick", "", kCheapHashCost, ""}) ? 1 : 0;
    }
    // Two wait at most, beside the slow one if it has started already.
    EXPECT_GE(accepted, 1);
    EXPECT_LE(accepted, 2);
    std::size_t finished = 0;
    while (finished < static_cast<std::size_t>(accepted) + 1) {
        pollfd ready{pool.eventFd(), POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, 5000), 1);
        for (const FinishedWork &done : pool.TakeFinished()) {
            EXPECT_TRUE(VerifyPassword(done.outcome.newHash, done.ticket == 1 ? "slow" : "quick"));
            ++finished;
        }
    }
    pollfd idle{pool.eventFd(), POLLIN, 0};
    EXPECT_EQ(poll(&idle, 1, 0), 0); // nothing more to take
}

} // namespace
} // namespace quord
