// SPDX-License-Identifier: MIT
// One worker process of the load benchmark: logs on its sessions, joins
// them to the load channel, then on a go signal sends its share of channel
// texts and records the delivery latency of every channel text its
// sessions receive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quord::bench {

inline constexpr const char *kLoadChannel = "#load";
inline constexpr const char *kLoadPassword = "load-pw";

struct LoadPlan {
    int port = 0;
    int workers = 20;
    int sessionsPerWorker = 40;
    int textsPerSession = 2;
    // Own texts of one worker on their way at once: a text is done when
    // every other session of the same worker has it. This keeps each
    // client's backlog far below the output at which quord leaves channel
    // texts out for a member.
    int window = 4;
    int timeoutSeconds = 60;
};

// The account name of one session.
std::string LoadUserName(int worker, int session);

struct WorkerResult {
    bool complete = false;      // every expected text arrived in time
    std::uint64_t received = 0; // channel texts received by all sessions
    std::vector<std::uint32_t> latenciesMicroseconds;
};

// Runs in a forked child: reports readiness by writing 'r' to readyFd ('f'
// when its sessions could not log on or join), waits for one byte on goFd,
// then runs the load and returns its result.
WorkerResult RunWorker(const LoadPlan &plan, int worker, int readyFd, int goFd);

// Monotonic clock in nanoseconds, comparable across processes.
std::uint64_t NowNanoseconds();

} // namespace quord::bench
