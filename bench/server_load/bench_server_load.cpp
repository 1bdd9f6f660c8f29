// SPDX-License-Identifier: MIT
// Channel fan-out of quord on loopback: starts the server on a free port
// with a temporary data folder, forks worker processes that each log on a
// batch of library sessions, joins every session to one channel, lets all
// of them send texts there, and reports the delivered channel texts per
// second and the p50/p99 delivery latency (send call to callback). All
// sessions come from 127.0.0.1, so quord is started with per-address limits
// above their number; a worker that cannot log on or join its sessions ends
// the run with a message and status 1.
//
// Usage: bench_server_load [WORKERS [SESSIONS_PER_WORKER [TEXTS_PER_SESSION]]]
// Defaults: 20 workers of 40 sessions (800 in the channel), 2 texts each.
#include "account_store.h"
#include "load_worker.h"
#include "passwords.h"
#include "quord_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

using quord::bench::LoadPlan;
using quord::bench::NowNanoseconds;
using quord::bench::WorkerResult;

void SeedAccounts(const std::string &dataDir, const LoadPlan &plan) {
    quord::AccountStore store(dataDir + "/quord.db");
    quord::Account account;
    // The cheap cost, which the test server uses too: 800 logins at the
    // real cost are not what this measures.
    account.passwordHash = quord::HashPassword(quord::bench::kLoadPassword, quord::kCheapHashCost);
    account.email = "load@example.org";
    account.created = std::time(nullptr);
    for (int w = 0; w < plan.workers; ++w) {
        for (int s = 0; s < plan.sessionsPerWorker; ++s) {
            account.name = quord::bench::LoadUserName(w, s);
            store.Add(account);
        }
    }
}

// Moves every byte through read or write, which may move fewer at a time.
template <typename Byte, typename Io> bool TransferAll(Io io, int fd, Byte *p, std::size_t size) {
    while (size > 0) {
        const ssize_t n = io(fd, p, size);
        if (n <= 0) {
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, const void *data, std::size_t size) {
    return TransferAll(::write, fd, static_cast<const char *>(data), size);
}

bool ReadAll(int fd, void *data, std::size_t size) {
    return TransferAll(::read, fd, static_cast<char *>(data), size);
}

// Child side: runs the worker and sends its result up the pipe.
[[noreturn]] void Worker(const LoadPlan &plan, int index, int readyFd, int goFd, int resultFd) {
    const WorkerResult result = quord::bench::RunWorker(plan, index, readyFd, goFd);
    const std::uint64_t finished = NowNanoseconds();
    const std::uint64_t count = result.latenciesMicroseconds.size();
    const std::uint8_t complete = result.complete ? 1 : 0;
    WriteAll(resultFd, &complete, sizeof complete);
    WriteAll(resultFd, &finished, sizeof finished);
    WriteAll(resultFd, &count, sizeof count);
    WriteAll(resultFd, result.latenciesMicroseconds.data(), count * sizeof(std::uint32_t));
    _exit(result.complete ? 0 : 1);
}

double Percentile(std::vector<std::uint32_t> &values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    const std::size_t at =
        std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()));
    std::nth_element(values.begin(), values.begin() + static_cast<long>(at), values.end());
    return values[at] / 1000.0;
}

} // namespace

int main(int argc, char **argv) {
    LoadPlan plan;
    if (argc > 1) {
        plan.workers = std::max(1, std::atoi(argv[1]));
    }
    if (argc > 2) {
        plan.sessionsPerWorker = std::clamp(std::atoi(argv[2]), 2, 50);
    }
    if (argc > 3) {
        plan.textsPerSession = std::max(1, std::atoi(argv[3]));
    }
    quord::testing::QuordProcess server;
    SeedAccounts(server.dataDir(), plan);
    const std::string sessions = std::to_string(plan.workers * plan.sessionsPerWorker);
    if (!server.Start({"--max-per-address", sessions, "--max-sessions-per-address", sessions,
                       "--hash-queue", sessions})) {
        std::fprintf(stderr, "quord did not start:\n%s", server.Log().c_str());
        return 1;
    }
    plan.port = server.port();

    int ready[2];
    int go[2];
    if (pipe(ready) != 0 || pipe(go) != 0) {
        return 1;
    }
    std::vector<int> results;
    std::vector<pid_t> children;
    for (int w = 0; w < plan.workers; ++w) {
        int result[2];
        if (pipe(result) != 0) {
            return 1;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            Worker(plan, w, ready[1], go[0], result[1]);
        }
        close(result[1]);
        results.push_back(result[0]);
        children.push_back(pid);
    }
    close(ready[1]); // so that the pipe ends once every worker has gone
    const std::uint64_t setupStart = NowNanoseconds();
    for (int w = 0; w < plan.workers; ++w) {
        char byte = 'f';
        if (!ReadAll(ready[0], &byte, 1) || byte != 'r') {
            std::fprintf(stderr, "FAILED: a worker could not log on or join its sessions\n");
            for (pid_t pid : children) {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
            server.Stop();
            return 1;
        }
    }
    const double setupSeconds = (NowNanoseconds() - setupStart) / 1e9;
    const std::uint64_t start = NowNanoseconds();
    const std::string goBytes(static_cast<std::size_t>(plan.workers), 'g');
    WriteAll(go[1], goBytes.data(), goBytes.size());

    std::vector<std::uint32_t> latencies;
    std::uint64_t lastFinish = start;
    bool complete = true;
    for (int fd : results) {
        std::uint8_t workerComplete = 0;
        std::uint64_t finished = 0;
        std::uint64_t count = 0;
        if (!ReadAll(fd, &workerComplete, 1) || !ReadAll(fd, &finished, 8) ||
            !ReadAll(fd, &count, 8)) {
            complete = false;
            continue;
        }
        const std::size_t old = latencies.size();
        latencies.resize(old + count);
        ReadAll(fd, latencies.data() + old, count * sizeof(std::uint32_t));
        complete = complete && workerComplete == 1;
        lastFinish = std::max(lastFinish, finished);
        close(fd);
    }
    for (pid_t pid : children) {
        waitpid(pid, nullptr, 0);
    }
    const double seconds = (lastFinish - start) / 1e9;
    const std::uint64_t delivered = latencies.size();
    std::printf("channel fan-out: %d workers x %d sessions = %s members, %d texts each\n",
                plan.workers, plan.sessionsPerWorker, sessions.c_str(), plan.textsPerSession);
    std::printf("  logon and join of all sessions: %.2f s\n", setupSeconds);
    std::printf("  delivered %llu channel texts in %.2f s: %.0f records/s\n",
                static_cast<unsigned long long>(delivered), seconds,
                seconds > 0 ? delivered / seconds : 0.0);
    std::printf("  delivery latency: p50 %.2f ms, p99 %.2f ms\n", Percentile(latencies, 0.50),
                Percentile(latencies, 0.99));
    if (!complete) {
        std::printf("  INCOMPLETE: some texts did not arrive within %d s\n", plan.timeoutSeconds);
    }
    server.Stop();
    return complete ? 0 : 1;
}
