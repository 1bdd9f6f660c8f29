// SPDX-License-Identifier: MIT
// quord under floods from its clients: starts the server with its real hash
// cost and default limits, times text round trips between two other
// sessions on the quiet server, then again during each flood of floods.h, a
// few seconds each, sent by processes at the lowest priority (they stand
// for clients on other machines). The pair keeps to the default budget of
// records (about 18 round trips a second), as people do; the floods meet
// it. Reports per flood the round trips' p99
// against the quiet server's and the growth of quord's log, and whether
// each goal is met: p99 at most 3x the quiet one, the log growing by less
// than 10 KB a second.
//
// Usage: bench_abuse [SECONDS_PER_FLOOD [QUIET_SECONDS]]
// Defaults: 10 s per flood, 10 s without one.
#include "account_store.h"
#include "bench_quord.h"
#include "floods.h"
#include "passwords.h"
#include "quord_process.h"
#include "raw_client.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace quord::bench;

constexpr const char *kPairPassword = "pair-pw";
constexpr double kLatencyGoal = 3; // times the quiet p99
constexpr double kLogGoalBytesPerSecond = 10000;
// Between two round trips: within the default 20 records a second.
constexpr int kPairPauseMicroseconds = 55000;

void SeedAccounts(const std::string &dataDir) {
    quord::AccountStore store(dataDir + "/quord.db");
    quord::Account account;
    account.email = "abuse@example.org";
    const auto add = [&](const std::string &name, const char *password) {
        account.name = name;
        account.passwordHash = quord::HashPassword(password); // the real cost
        store.Add(account);
    };
    add("pair_a", kPairPassword);
    add("pair_b", kPairPassword);
    add("keeper", kPairPassword);
    for (const std::string &name : FloodAccounts()) {
        add(name, kFloodPassword);
    }
}

std::uintmax_t LogSize(const quord::testing::QuordProcess &server) {
    std::error_code ignored;
    return std::filesystem::file_size(server.dataDir() + "/quord.log", ignored);
}

// Runs the flood's processes while the pair measures; true when both goals
// are met.
bool RunFlood(const Flood &flood, const quord::testing::QuordProcess &server, RoundTripPair &pair,
              const Latency &quiet, double seconds) {
    const std::uintmax_t logStart = LogSize(server);
    const double cpuStart = CpuSeconds(server.pid());
    const ProcessorWaits waitsStart = ProcessorWaitsOf(server.pid());
    const double until = NowSeconds() + seconds;
    std::vector<pid_t> children;
    for (int p = 0; p < flood.processes; ++p) {
        const pid_t pid = fork();
        if (pid == 0) {
            [[maybe_unused]] const int niceness = nice(19);
            flood.run(server.port(), p, until);
            _exit(0);
        }
        children.push_back(pid);
    }
    const Latency latency = pair.Measure(seconds, kPairPauseMicroseconds);
    for (pid_t pid : children) {
        waitpid(pid, nullptr, 0);
    }
    const double logRate = static_cast<double>(LogSize(server) - logStart) / seconds;
    const ProcessorWaits waitsEnd = ProcessorWaitsOf(server.pid());
    std::printf("%s:\n", flood.name);
    std::printf("  round trip: p50 %.3f ms, p99 %.3f ms, max %.3f ms (%zu round trips); quord "
                "used %.0f%% of a core\n",
                latency.p50Ms, latency.p99Ms, latency.maxMs, latency.samples,
                100 * (CpuSeconds(server.pid()) - cpuStart) / seconds);
    // Time that no order of service inside quord can win back.
    std::printf("  quord waited for a processor %.1f ms a second (%.0f runs a second)\n",
                1000 * (waitsEnd.waitSeconds - waitsStart.waitSeconds) / seconds,
                static_cast<double>(waitsEnd.runs - waitsStart.runs) / seconds);
    char figure[96];
    std::snprintf(figure, sizeof figure, "%.3f ms vs %.3f ms quiet (%.2fx)", latency.p99Ms,
                  quiet.p99Ms, latency.p99Ms / quiet.p99Ms);
    bool met = ReportGoal("round-trip p99", figure, "at most 3x",
                          latency.p99Ms <= kLatencyGoal * quiet.p99Ms);
    std::snprintf(figure, sizeof figure, "%.0f bytes a second", logRate);
    met =
        ReportGoal("log growth", figure, "under 10 KB/s", logRate < kLogGoalBytesPerSecond) && met;
    return met;
}

} // namespace

int main(int argc, char **argv) {
    const double floodSeconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 10.0;
    const double quietSeconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 10.0;
    const quord::HashCost cost = quord::kDefaultHashCost;
    quord::testing::QuordProcess server;
    SeedAccounts(server.dataDir());
    if (!server.Start({"--hash-passes", std::to_string(cost.passes), "--hash-memory",
                       std::to_string(cost.memoryBytes / 1024)})) {
        std::fprintf(stderr, "quord did not start:\n%s", server.Log().c_str());
        return 1;
    }
    // The passworded channel the guesses are aimed at.
    quord::testing::RawClient keeper(server.port());
    if (keeper.Login("keeper", kPairPassword) != 200 ||
        !keeper.Send(quord::testing::ClientRecord(302, "keeper", "$server", "dsds",
                                                  {0, kLockedChannel, 0, "secret"}))) {
        std::fprintf(stderr, "the channel keeper could not log on\n");
        return 1;
    }
    keeper.AnswerPings();
    std::printf("quord under floods from its clients (%.0f s each)\n", floodSeconds);
    RoundTripPair pair(server.port(), "pair_a", "pair_b", kPairPassword);
    const Latency quiet = pair.Measure(quietSeconds, kPairPauseMicroseconds);
    std::printf("  round trip on the quiet server: p50 %.3f ms, p99 %.3f ms, max %.3f ms (%zu "
                "round trips)\n",
                quiet.p50Ms, quiet.p99Ms, quiet.maxMs, quiet.samples);
    bool met = true;
    for (const Flood &flood : Floods()) {
        met = RunFlood(flood, server, pair, quiet, floodSeconds) && met;
        while (keeper.Read(0)) {
        }
    }
    std::printf("%s\n", met ? "every goal met" : "a goal is missed");
    server.Stop();
    return 0;
}
