// SPDX-License-Identifier: MIT
// quord under a password-guessing flood: starts the server with its real
// hash cost and throttle, times text round trips between two sessions
// without a flood, then again while 4 processes, each from its own loopback
// address, send wrong-password logins as fast as quord answers: first all
// for one account (the account's throttle holds them), then each for ever
// new names (only the address's throttle can). Reports the round trips'
// p50 and p99 with and without the flood, and the guesses per minute and
// address that quord checked after the first 5, read from its log; and
// whether each goal is met. The flooding processes run at the lowest
// priority: they stand for clients on other machines, not for programs
// taking the server's own cores away from it, and they close their
// connections with a reset so that closed connections pile up in no
// waiting state (as a flooding client would).
//
// A control phase comes first: the same flood at one account, sent to a
// second quord while the pair's quord serves only the pair. Its round trips
// show what the flood costs on this machine however quord serves it (the
// flooders' processor time and the kernel's work for their connections),
// the floor beneath the goal's figure.
//
// Usage: bench_login_flood [FLOOD_SECONDS [BASELINE_SECONDS]]
// Defaults: 60 s per flood phase, 20 s without a flood.
#include "account_store.h"
#include "bench_quord.h"
#include "passwords.h"
#include "quord_process.h"
#include "raw_client.h"

#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace quord::bench;

constexpr int kFloodProcesses = 4;
constexpr const char *kVictim = "victim";
constexpr const char *kPairPassword = "pair-pw";

void SeedAccounts(const std::string &dataDir) {
    quord::AccountStore store(dataDir + "/quord.db");
    quord::Account account;
    account.email = "flood@example.org";
    for (const char *name : {kVictim, "pair_a", "pair_b"}) {
        account.name = name;
        account.passwordHash = quord::HashPassword(kPairPassword); // the real cost
        store.Add(account);
    }
}

std::string FloodAddress(int process) {
    return "127.0.0." + std::to_string(process + 2);
}

// One flooding process: wrong-password logins until the deadline, each on
// a new connection, for the victim or for a new name each time; writes the
// number of answers it got to the pipe.
[[noreturn]] void Flood(int port, int process, double until, bool spray, int answersFd) {
    [[maybe_unused]] const int niceness = nice(19);
    const std::string from = FloodAddress(process);
    std::uint64_t answers = 0;
    const linger reset{1, 0};
    for (std::uint64_t n = 0; NowSeconds() < until; ++n) {
        quord::testing::RawClient client(port, from.c_str());
        const std::string name =
            spray ? "p" + std::to_string(process) + "n" + std::to_string(n) : kVictim;
        if (client.Login(name, "guess" + std::to_string(n)) != 0) {
            ++answers;
        }
        setsockopt(client.fd(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    }
    [[maybe_unused]] const ssize_t written = write(answersFd, &answers, sizeof answers);
    _exit(0);
}

// Checked (not throttled) wrong guesses per address, counted in quord's log
// from the given offset on.
std::map<std::string, int> CheckedGuesses(const std::string &logPath, std::streamoff from) {
    std::ifstream log(logPath);
    log.seekg(from);
    std::map<std::string, int> guesses;
    const std::string marker = "wrong name or password from ";
    for (std::string line; std::getline(log, line);) {
        const std::size_t at = line.find(marker);
        if (at != std::string::npos) {
            const std::string rest = line.substr(at + marker.size());
            ++guesses[rest.substr(0, rest.find(','))];
        }
    }
    return guesses;
}

struct FloodResult {
    Latency latency;
    double cpuShare = 0;            // of one core, used by the pair's quord
    double targetCpuShare = 0;      // used by the flooded quord (the same but in the control)
    ProcessorWaits pairServerWaits; // of the pair's quord during the phase
    std::uint64_t answers = 0;
    std::map<std::string, int> checked;
};

// Floods target while the pair times round trips through pairServer.
FloodResult RunFlood(quord::testing::QuordProcess &target,
                     const quord::testing::QuordProcess &pairServer, RoundTripPair &pair,
                     double seconds, bool spray) {
    const std::string logPath = target.dataDir() + "/quord.log";
    const std::streamoff logStart = static_cast<std::streamoff>(target.Log().size());
    int answers[2];
    if (pipe(answers) != 0) {
        std::exit(1);
    }
    const double until = NowSeconds() + seconds;
    std::vector<pid_t> children;
    for (int p = 0; p < kFloodProcesses; ++p) {
        const pid_t pid = fork();
        if (pid == 0) {
            Flood(target.port(), p, until, spray, answers[1]);
        }
        children.push_back(pid);
    }
    FloodResult result;
    const double cpuStart = CpuSeconds(pairServer.pid());
    const double targetCpuStart = CpuSeconds(target.pid());
    const ProcessorWaits waitsStart = ProcessorWaitsOf(pairServer.pid());
    result.latency = pair.Measure(seconds);
    const ProcessorWaits waitsEnd = ProcessorWaitsOf(pairServer.pid());
    result.pairServerWaits = {waitsEnd.waitSeconds - waitsStart.waitSeconds,
                              waitsEnd.runs - waitsStart.runs};
    result.cpuShare = (CpuSeconds(pairServer.pid()) - cpuStart) / seconds;
    result.targetCpuShare = (CpuSeconds(target.pid()) - targetCpuStart) / seconds;
    for (pid_t pid : children) {
        std::uint64_t count = 0;
        if (read(answers[0], &count, sizeof count) == sizeof count) {
            result.answers += count;
        }
        waitpid(pid, nullptr, 0);
    }
    close(answers[0]);
    close(answers[1]);
    result.checked = CheckedGuesses(logPath, logStart);
    return result;
}

void PrintLatency(const char *label, const Latency &latency) {
    std::printf("  round trip %s: p50 %.3f ms, p99 %.3f ms, max %.3f ms (%zu round trips)\n", label,
                latency.p50Ms, latency.p99Ms, latency.maxMs, latency.samples);
}

// How long the pair's quord, ready to serve, waited for a processor: time
// no order of service within quord can win back.
void PrintProcessorWaits(const FloodResult &flood, double seconds) {
    const ProcessorWaits &waits = flood.pairServerWaits;
    std::printf("  the pair's quord waited for a processor %.1f ms a second, %.3f ms a run on "
                "average (%.0f runs a second)\n",
                1000 * waits.waitSeconds / seconds,
                waits.runs > 0 ? 1000 * waits.waitSeconds / static_cast<double>(waits.runs) : 0.0,
                static_cast<double>(waits.runs) / seconds);
}

void PrintAnswers(const FloodResult &flood, double seconds) {
    std::printf("  %llu answers to %d flooding processes in %.0f s (%.0f a second)\n",
                static_cast<unsigned long long>(flood.answers), kFloodProcesses, seconds,
                flood.answers / seconds);
}

void ReportControl(const FloodResult &control, const Latency &quiet, double seconds) {
    std::printf("control: the flood of guesses at one account sent to a second quord:\n");
    PrintAnswers(control, seconds);
    PrintLatency("through the other quord", control.latency);
    std::printf("  the flooded quord used %.0f%% of a core, the pair's %.0f%%\n",
                100 * control.targetCpuShare, 100 * control.cpuShare);
    PrintProcessorWaits(control, seconds);
    std::printf("  round-trip p99 %.3f ms vs %.3f ms without (%.2fx): the flood's cost on this "
                "machine, however quord serves it\n",
                control.latency.p99Ms, quiet.p99Ms, control.latency.p99Ms / quiet.p99Ms);
}

// Prints the phase's figures; returns whether both goals are met.
bool Report(const char *phase, const FloodResult &flood, const Latency &quiet, double seconds) {
    std::printf("%s:\n", phase);
    PrintAnswers(flood, seconds);
    PrintLatency("during the flood", flood.latency);
    std::printf("  quord used %.0f%% of a core\n", 100 * flood.cpuShare);
    PrintProcessorWaits(flood, seconds);
    double worstRate = 0;
    for (int p = 0; p < kFloodProcesses; ++p) {
        const auto it = flood.checked.find(FloodAddress(p));
        const int checked = it == flood.checked.end() ? 0 : it->second;
        const double rate = std::max(0, checked - 5) / (seconds / 60);
        worstRate = std::max(worstRate, rate);
        std::printf("  %s: %d guesses checked, %.1f per minute after the first 5\n",
                    FloodAddress(p).c_str(), checked, rate);
    }
    char figure[96];
    std::snprintf(figure, sizeof figure, "%.3f ms vs %.3f ms without (%.2fx)", flood.latency.p99Ms,
                  quiet.p99Ms, flood.latency.p99Ms / quiet.p99Ms);
    bool met = ReportGoal("round-trip p99 under the flood", figure, "at most 2x",
                          flood.latency.p99Ms <= 2 * quiet.p99Ms);
    std::snprintf(figure, sizeof figure, "%.1f at most", worstRate);
    met = ReportGoal("guesses per minute per address after the first 5", figure, "at most 10",
                     worstRate <= 10) &&
          met;
    return met;
}

} // namespace

int main(int argc, char **argv) {
    const double floodSeconds = argc > 1 ? std::max(5.0, std::atof(argv[1])) : 60.0;
    const double quietSeconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 20.0;
    // The real hash cost and the default throttle; the pair's round trips
    // come faster than a person's records, so their budget is lifted.
    const quord::HashCost cost = quord::kDefaultHashCost;
    const std::vector<std::string> arguments = {
        "--hash-passes",     std::to_string(cost.passes),
        "--hash-memory",     std::to_string(cost.memoryBytes / 1024),
        "--rate-burst",      "1000000",
        "--rate-per-second", "1000000"};
    quord::testing::QuordProcess server;
    quord::testing::QuordProcess other; // flooded in the control phase
    for (quord::testing::QuordProcess *each : {&server, &other}) {
        SeedAccounts(each->dataDir());
        if (!each->Start(arguments)) {
            std::fprintf(stderr, "quord did not start:\n%s", each->Log().c_str());
            return 1;
        }
    }
    std::printf("quord under %d wrong-password flooders (%.0f s per phase)\n", kFloodProcesses,
                floodSeconds);
    RoundTripPair pair(server.port(), "pair_a", "pair_b", kPairPassword);
    const Latency quiet = pair.Measure(quietSeconds);
    PrintLatency("without a flood", quiet);
    ReportControl(RunFlood(other, server, pair, floodSeconds, false), quiet, floodSeconds);
    other.Stop();
    const FloodResult oneAccount = RunFlood(server, server, pair, floodSeconds, false);
    bool met = Report("flood of guesses at one account", oneAccount, quiet, floodSeconds);
    const FloodResult newNames = RunFlood(server, server, pair, floodSeconds, true);
    met = Report("flood of guesses at ever new names", newNames, quiet, floodSeconds) && met;
    std::printf("%s\n", met ? "every goal met" : "a goal is missed");
    server.Stop();
    return 0;
}
