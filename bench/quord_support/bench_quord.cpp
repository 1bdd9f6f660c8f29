// SPDX-License-Identifier: MIT
#include "bench_quord.h"

#include "quor_wire/protocol_ids.h"
#include "raw_client.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace quord::bench {

using namespace quor::wire;

Latency Summarize(std::vector<double> ms) {
    Latency latency;
    latency.samples = ms.size();
    if (ms.empty()) {
        return latency;
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double fraction) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(fraction * ms.size()))];
    };
    latency.p50Ms = at(0.50);
    latency.p99Ms = at(0.99);
    latency.maxMs = ms.back();
    return latency;
}

RoundTripPair::RoundTripPair(int port, const std::string &first, const std::string &second,
                             const std::string &password)
    : first_(first), second_(second), a_(std::make_unique<testing::RawClient>(port)),
      b_(std::make_unique<testing::RawClient>(port)) {
    if (a_->Login(first, password, kApiBuild) != kLoggedOnUser ||
        b_->Login(second, password, kApiBuild) != kLoggedOnUser) {
        throw std::runtime_error("the round-trip sessions could not log on");
    }
    a_->AnswerPings();
    b_->AnswerPings();
    pingAnswerer_ = std::thread([this] {
        while (!stopping_) {
            {
                const std::lock_guard lock(mutex_);
                while (a_->Read(0) || b_->Read(0)) {
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
}

RoundTripPair::~RoundTripPair() {
    stopping_ = true;
    pingAnswerer_.join();
}

Latency RoundTripPair::Measure(double seconds, int pauseMicroseconds) {
    const std::lock_guard lock(mutex_);
    std::vector<double> ms;
    const double end = NowSeconds() + seconds;
    const quor::QuorMessage there = testing::TextRecord(second_, "round trip");
    const quor::QuorMessage back = testing::TextRecord(first_, "and back");
    while (NowSeconds() < end) {
        const auto start = std::chrono::steady_clock::now();
        if (!a_->Send(there) || !b_->ReadId(kText, 10000) || !b_->Send(back) ||
            !a_->ReadId(kText, 10000)) {
            throw std::runtime_error("a round trip was lost");
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds));
    }
    return Summarize(std::move(ms));
}

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which ends with the last ')': state is
    // the first, user and system time the 12th and 13th.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long user = 0;
    unsigned long long system = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        if (i == 12) {
            user = std::stoull(field);
        } else if (i == 13) {
            system = std::stoull(field);
        }
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

ProcessorWaits ProcessorWaitsOf(pid_t pid) {
    // Nanoseconds on a processor, nanoseconds waiting for one, runs.
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    unsigned long long running = 0;
    unsigned long long waiting = 0;
    ProcessorWaits waits;
    if (schedstat >> running >> waiting >> waits.runs) {
        waits.runSeconds = static_cast<double>(running) / 1e9;
        waits.waitSeconds = static_cast<double>(waiting) / 1e9;
    }
    return waits;
}

std::uint64_t RaiseDescriptorLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    return limit.rlim_cur;
}

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool ReportGoal(const std::string &what, const std::string &figure, const std::string &target,
                bool met) {
    std::printf("  goal: %s: %s (%s): %s\n", what.c_str(), figure.c_str(), target.c_str(),
                met ? "met" : "NOT met");
    return met;
}

} // namespace quord::bench
