// SPDX-License-Identifier: MIT
// What the quord benchmarks share: a pair of logged-on sessions that time
// text round trips through the server, percentiles, the server's memory,
// and a goal line that says whether a figure is met.
#pragma once

#include "quor_wire/record.h"

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quord::testing {
class RawClient;
}

namespace quord::bench {

struct Latency {
    double p50Ms = 0;
    double p99Ms = 0;
    double maxMs = 0;
    std::size_t samples = 0;
};

Latency Summarize(std::vector<double> millisecondsEach);

// Two sessions on 127.0.0.1: the first sends a text to the second, which
// sends one back; each round trip is timed from the first send to the
// reply's arrival. Both answer the server's pings, also between
// measurements (from a thread of their own), so that quord keeps them.
class RoundTripPair {
public:
    // Logs both on; throws std::runtime_error when a login fails.
    RoundTripPair(int port, const std::string &first, const std::string &second,
                  const std::string &password);
    ~RoundTripPair();
    // Times round trips for the given seconds, pausing between them.
    Latency Measure(double seconds, int pauseMicroseconds = 500);

private:
    std::string first_;
    std::string second_;
    std::unique_ptr<testing::RawClient> a_;
    std::unique_ptr<testing::RawClient> b_;
    std::mutex mutex_; // the sessions are read by Measure or by the ping answerer
    std::atomic<bool> stopping_ = false;
    std::thread pingAnswerer_;
};

// Resident memory of a process in KiB (VmRSS), 0 when unreadable.
long ResidentKiB(pid_t pid);
// Processor seconds a process has used so far (user and system).
double CpuSeconds(pid_t pid);

// What the scheduler says of a process's main thread so far: the seconds it
// was ready to run but waited for a processor, how many times it was given
// one, and the seconds it ran on one (to the nanosecond, unlike
// CpuSeconds). Zeros when the kernel does not keep these figures.
struct ProcessorWaits {
    double waitSeconds = 0;
    std::uint64_t runs = 0;
    double runSeconds = 0;
};
ProcessorWaits ProcessorWaitsOf(pid_t pid);

// Raises this process's descriptor limit to its hard limit; returns it.
std::uint64_t RaiseDescriptorLimit();

// Seconds of a monotonic clock.
double NowSeconds();

// "  goal: <what>: <figure> (<target>): met" or "... NOT met"; returns met.
bool ReportGoal(const std::string &what, const std::string &figure, const std::string &target,
                bool met);

} // namespace quord::bench
