// SPDX-License-Identifier: MIT
#include "load_worker.h"

#include "pump_until.h"
#include "quor.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>

namespace quord::bench {

namespace {

// State of the one worker in this process, reached from the callbacks.
struct WorkerState {
    int worker = 0;
    std::map<QUORHANDLE, int> sessions; // handle -> session index
    int loggedOn = 0;
    int joined = 0;
    int failures = 0;
    std::uint64_t received = 0;
    std::map<int, int> localArrivals; // own text id -> local sessions that have it
    int inFlight = 0;
    std::vector<std::uint32_t> latencies;
};

WorkerState *state = nullptr;

void OnLogin(QUORHANDLE, int result) {
    if (result == 0) {
        ++state->loggedOn;
    } else {
        ++state->failures;
    }
}

void OnDisconnect(QUORHANDLE) {
    ++state->failures;
}

void OnChannelInfo(QUORHANDLE, const char *, int, const char *, const char *) {
    ++state->joined;
}

// Texts read "worker:id:nanoseconds".
void OnChannelText(QUORHANDLE, const char *, const char *, const char *text) {
    int worker = -1;
    int id = -1;
    unsigned long long sent = 0;
    if (std::sscanf(text, "%d:%d:%llu", &worker, &id, &sent) != 3) {
        return;
    }
    ++state->received;
    state->latencies.push_back(static_cast<std::uint32_t>((NowNanoseconds() - sent) / 1000));
    if (worker == state->worker) {
        const int needed = static_cast<int>(state->sessions.size()) - 1;
        if (++state->localArrivals[id] == needed) {
            state->localArrivals.erase(id);
            --state->inFlight;
        }
    }
}

// Pumps until done() holds or a failure is seen, within the plan's time.
bool AwaitAll(const LoadPlan &plan, bool (*done)()) {
    return quor::testing::PumpUntil([done] { return done() || state->failures != 0; },
                                    plan.timeoutSeconds * 1000) &&
           state->failures == 0;
}

// Waits for the go byte while keeping the sessions served.
void AwaitGo(int goFd) {
    for (;;) {
        pollfd fds[2] = {{goFd, POLLIN, 0}, {quor_getfd(), POLLIN, 0}};
        poll(fds, 2, 100);
        if (fds[0].revents != 0) {
            char go;
            [[maybe_unused]] const ssize_t n = read(goFd, &go, 1);
            return;
        }
        quor_pump(0);
    }
}

} // namespace

std::uint64_t NowNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000000000ull +
           static_cast<std::uint64_t>(now.tv_nsec);
}

std::string LoadUserName(int worker, int session) {
    return "load" + std::to_string(worker) + "_" + std::to_string(session);
}

WorkerResult RunWorker(const LoadPlan &plan, int worker, int readyFd, int goFd) {
    WorkerState local;
    local.worker = worker;
    state = &local;
    quor_setserver("127.0.0.1", plan.port);
    quor_init(QUOR_API_BUILD);
    quor_setcallback(QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(OnLogin));
    quor_setcallback(QUOR_CB_DISCONNECT, reinterpret_cast<QUORCALLBACK>(OnDisconnect));
    quor_setcallback(QUOR_CB_CHANNELINFO, reinterpret_cast<QUORCALLBACK>(OnChannelInfo));
    quor_setcallback(QUOR_CB_CHANNELTEXT, reinterpret_cast<QUORCALLBACK>(OnChannelText));

    std::vector<QUORHANDLE> handles;
    for (int s = 0; s < plan.sessionsPerWorker; ++s) {
        QUORHANDLE h = quor_create();
        handles.push_back(h);
        local.sessions[h] = s;
        quor_login(h, LoadUserName(worker, s).c_str(), kLoadPassword);
    }
    WorkerResult result;
    const int sessions = plan.sessionsPerWorker;
    if (!AwaitAll(plan,
                  [] { return state->loggedOn == static_cast<int>(state->sessions.size()); })) {
        std::fprintf(stderr, "worker %d: logins failed\n", worker);
        [[maybe_unused]] const ssize_t n = write(readyFd, "f", 1);
        return result;
    }
    for (QUORHANDLE h : handles) {
        quor_joinchannel(h, kLoadChannel, 0, nullptr);
    }
    if (!AwaitAll(plan, [] { return state->joined == static_cast<int>(state->sessions.size()); })) {
        std::fprintf(stderr, "worker %d: joins failed\n", worker);
        [[maybe_unused]] const ssize_t n = write(readyFd, "f", 1);
        return result;
    }
    [[maybe_unused]] const ssize_t n = write(readyFd, "r", 1);
    AwaitGo(goFd);

    const int ownTexts = sessions * plan.textsPerSession;
    const std::uint64_t totalTexts = static_cast<std::uint64_t>(plan.workers) * ownTexts;
    const std::uint64_t expected =
        static_cast<std::uint64_t>(sessions) * (totalTexts - plan.textsPerSession);
    local.latencies.reserve(expected);
    const std::uint64_t deadline =
        NowNanoseconds() + static_cast<std::uint64_t>(plan.timeoutSeconds) * 1000000000ull;
    int sent = 0;
    while ((sent < ownTexts || local.received < expected) && local.failures == 0 &&
           NowNanoseconds() < deadline) {
        while (sent < ownTexts && local.inFlight < plan.window) {
            char text[64];
            std::snprintf(text, sizeof text, "%d:%d:%llu", worker, sent,
                          static_cast<unsigned long long>(NowNanoseconds()));
            quor_sendtext(handles[sent % sessions], kLoadChannel, text);
            ++local.inFlight;
            ++sent;
        }
        quor_pump(10);
    }
    result.complete = local.received == expected;
    result.received = local.received;
    result.latenciesMicroseconds = std::move(local.latencies);
    quor_term();
    state = nullptr;
    return result;
}

} // namespace quord::bench
