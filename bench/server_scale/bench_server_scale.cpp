// SPDX-License-Identifier: MIT
// quord with 10,000 idle sessions: starts the server on a free port with
// its default ping interval (20 s), times text round trips between two
// sessions on the idle server, then logs on the idle sessions over raw sockets from worker
// processes (16 per loopback address), lets the server ping them all, and
// times the round trips again (the workers at the lowest priority, as they
// stand for clients on other machines). Reports the server's memory per session and
// the round trips' p50 and p99 with and without the idle sessions, and
// whether each goal is met.
//
// Usage: bench_server_scale [SESSIONS [WORKERS [SECONDS]]]
// Defaults: 10000 sessions over 8 workers, 20 s of round trips per phase, so
// that every session is pinged while the round trips are timed.
#include "account_store.h"
#include "bench_quord.h"
#include "idle_sessions.h"
#include "passwords.h"
#include "quord_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using namespace quord::bench;

constexpr int kPingIntervalSeconds = 20;

void SeedAccounts(const std::string &dataDir, int sessions) {
    quord::AccountStore store(dataDir + "/quord.db");
    quord::Account account;
    // The cheap cost, which the server is started with too: setting up
    // 10,000 accounts is not what this measures.
    account.passwordHash = quord::HashPassword(kIdlePassword, quord::kCheapHashCost);
    account.email = "idle@example.org";
    for (int i = 0; i < sessions; ++i) {
        account.name = IdleUserName(i);
        store.Add(account);
    }
    for (const char *name : {"pair_a", "pair_b"}) {
        account.name = name;
        store.Add(account);
    }
}

void PrintLatency(const char *label, const Latency &latency) {
    std::printf("  round trip %s: p50 %.3f ms, p99 %.3f ms, max %.3f ms (%zu round trips)\n", label,
                latency.p50Ms, latency.p99Ms, latency.maxMs, latency.samples);
}

} // namespace

int main(int argc, char **argv) {
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int workers = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, sessions) : 8;
    const double seconds = argc > 3 ? std::max(1.0, std::atof(argv[3])) : 20.0;
    const std::uint64_t descriptors = RaiseDescriptorLimit();
    if (descriptors < static_cast<std::uint64_t>(sessions) + 100) {
        std::fprintf(stderr, "descriptor limit %llu is too low for %d sessions\n",
                     static_cast<unsigned long long>(descriptors), sessions);
        return 1;
    }
    quord::testing::QuordProcess server;
    SeedAccounts(server.dataDir(), sessions);
    // The pair's round trips come faster than a person's records: their
    // budget is lifted. The idle sessions come 16 per address.
    if (!server.Start({"--ping-interval", std::to_string(kPingIntervalSeconds), "--max-clients",
                       std::to_string(sessions + 100), "--rate-burst", "1000000",
                       "--rate-per-second", "1000000"})) {
        std::fprintf(stderr, "quord did not start:\n%s", server.Log().c_str());
        return 1;
    }
    std::printf("quord with %d idle sessions (%d workers), pings every %d s, %.0f s per phase\n",
                sessions, workers, kPingIntervalSeconds, seconds);
    RoundTripPair pair(server.port(), "pair_a", "pair_b", kIdlePassword);
    const double idleCpuStart = CpuSeconds(server.pid());
    const Latency idle = pair.Measure(seconds);
    const double idleCpuShare = (CpuSeconds(server.pid()) - idleCpuStart) / seconds;
    const long rssBefore = ResidentKiB(server.pid());

    int ready[2];
    int stop[2];
    if (pipe(ready) != 0 || pipe(stop) != 0) {
        return 1;
    }
    std::vector<pid_t> children;
    const double setupStart = NowSeconds();
    for (int w = 0; w < workers; ++w) {
        IdlePlan plan;
        plan.port = server.port();
        plan.firstSession = sessions * w / workers;
        plan.sessions = sessions * (w + 1) / workers - plan.firstSession;
        const pid_t pid = fork();
        if (pid == 0) {
            // The sessions stand for clients on other machines, not for
            // programs taking the server's cores.
            [[maybe_unused]] const int niceness = nice(19);
            close(stop[1]);
            _exit(RunIdleWorker(plan, ready[1], stop[0]));
        }
        children.push_back(pid);
    }
    close(stop[0]);
    bool allReady = true;
    for (int w = 0; w < workers; ++w) {
        char answer = 'f';
        allReady = read(ready[0], &answer, 1) == 1 && answer == 'r' && allReady;
    }
    const double setupSeconds = NowSeconds() - setupStart;
    int status = 0;
    if (allReady) {
        // A ping round, so that every session has been pinged and has
        // answered before anything is measured.
        std::this_thread::sleep_for(std::chrono::seconds(kPingIntervalSeconds + 1));
        const long rssAfter = ResidentKiB(server.pid());
        const double cpuBefore = CpuSeconds(server.pid());
        const Latency loaded = pair.Measure(seconds);
        const double cpuShare = (CpuSeconds(server.pid()) - cpuBefore) / seconds;
        const double perSession = static_cast<double>(rssAfter - rssBefore) / sessions;
        std::printf("  %d sessions logged on in %.1f s\n", sessions, setupSeconds);
        std::printf("  quord resident memory: %ld KiB before, %ld KiB with the sessions\n",
                    rssBefore, rssAfter);
        PrintLatency("on the idle server", idle);
        PrintLatency("with the idle sessions", loaded);
        std::printf("  quord used %.1f%% of a core on the idle server, %.1f%% with the sessions\n",
                    100 * idleCpuShare, 100 * cpuShare);
        char figure[64];
        std::snprintf(figure, sizeof figure, "%.2f KiB", perSession);
        bool met =
            ReportGoal("server memory per session", figure, "under 16 KiB", perSession < 16.0);
        std::snprintf(figure, sizeof figure, "%.3f ms vs %.3f ms idle (%.2fx)", loaded.p99Ms,
                      idle.p99Ms, loaded.p99Ms / idle.p99Ms);
        met = ReportGoal("round-trip p99 with the sessions", figure, "at most 2x",
                         loaded.p99Ms <= 2 * idle.p99Ms) &&
              met;
        std::printf("  %s\n", met ? "every goal met" : "a goal is missed");
    } else {
        std::printf("  FAILED: not every session logged on\n");
        status = 1;
    }
    close(stop[1]);
    for (pid_t pid : children) {
        waitpid(pid, nullptr, 0);
    }
    server.Stop();
    return status;
}
