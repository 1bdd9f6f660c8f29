// SPDX-License-Identifier: MIT
// The poll() adapter: a logon and a text delivered by quor_poll_run alone,
// the same through a caller's own poll array, and its answers for a library
// that is not, or no longer, running.
#include "loop_logon.h"

#include <quor/adapters/poll.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>

namespace quor::testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(5);

TEST(PollAdapter, RunDeliversALogonAndAText) {
    LoopLogon logon;
    const auto deadline = Clock::now() + kPatience;
    while (!logon.Step() && Clock::now() < deadline) {
        ASSERT_GE(quor_poll_run(5), 0);
    }
    EXPECT_EQ(LoopLogon::Outcome().loginResult, 0);
    EXPECT_EQ(LoopLogon::Outcome().sender, "bob");
    EXPECT_EQ(LoopLogon::Outcome().text, LoopLogon::Text());
}

TEST(PollAdapter, DispatchServesTheLibrarysEntryOfACallersArray) {
    LoopLogon logon;
    int own[2];
    ASSERT_EQ(pipe(own), 0);
    ASSERT_EQ(write(own[1], "x", 1), 1); // the caller's descriptor is ready throughout
    int pumped = 0;
    const auto deadline = Clock::now() + kPatience;
    while (!logon.Step() && Clock::now() < deadline) {
        pollfd entries[2] = {{own[0], POLLIN, 0}, {}};
        ASSERT_EQ(quor_poll_prepare(&entries[1]), 0);
        ASSERT_GE(poll(entries, 2, 5), 1);
        EXPECT_EQ(entries[0].revents, POLLIN);
        const int dispatched = quor_poll_dispatch(&entries[1]);
        ASSERT_EQ(dispatched, entries[1].revents != 0 ? 1 : 0);
        pumped += dispatched;
    }
    close(own[0]);
    close(own[1]);
    EXPECT_GT(pumped, 0);
    EXPECT_EQ(LoopLogon::Outcome().text, LoopLogon::Text());
}

TEST(PollAdapter, ReportsALibraryThatIsNotOrNoLongerRunning) {
    pollfd entry{};
    EXPECT_EQ(quor_poll_prepare(&entry), 1);
    EXPECT_EQ(entry.fd, -1);
    EXPECT_EQ(quor_poll_run(0), -1);

    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    ASSERT_EQ(quor_poll_prepare(&entry), 0);
    quor_term();
    ASSERT_EQ(poll(&entry, 1, 0), 1); // the closed descriptor is reported invalid
    EXPECT_EQ(quor_poll_dispatch(&entry), -1);
}

} // namespace
} // namespace quor::testing
