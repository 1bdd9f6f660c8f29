// SPDX-License-Identifier: MIT
#include "ping_pong.h"

#include "quor.h"

#include <chrono>

namespace quor::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStallLimit = std::chrono::seconds(10);
constexpr const char *kText = "a text of an everyday length, there and back again";

struct Pair {
    QUORHANDLE alice = nullptr;
    QUORHANDLE bob = nullptr;
};

struct Run {
    const PingPongPlan *plan = nullptr;
    std::vector<Pair> pairs;
    std::vector<std::vector<double>> micros; // per lane
    int loggedOn = 0;
    bool failed = false;
    int started = 0; // round trips started, on all lanes together
    int wanted = 0;
    int firstMeasured = 0;
    Clock::time_point sentAt;

    bool done() const { return failed || started > wanted; }
    std::size_t lane(int roundTrip) const { return roundTrip % pairs.size(); }
    void StartNext() {
        if (started == firstMeasured && plan->onMeasureStart) {
            plan->onMeasureStart();
        }
        ++started;
        if (started <= wanted) {
            sentAt = Clock::now();
            failed = quor_sendtext(pairs[lane(started - 1)].alice, "bob", kText) != 0;
        } else if (plan->onMeasureEnd) {
            plan->onMeasureEnd();
        }
    }
};

Run g_run;

void OnLogin(QUORHANDLE, int result) {
    g_run.failed = g_run.failed || result != 0;
    ++g_run.loggedOn;
}

void OnDisconnect(QUORHANDLE) {
    g_run.failed = true;
}

void OnText(QUORHANDLE h, const char *, const char *text) {
    const std::size_t lane = g_run.lane(g_run.started - 1);
    if (h == g_run.pairs[lane].bob) {
        g_run.failed = quor_sendtext(h, "alice", text) != 0;
        return;
    }
    const auto took = std::chrono::duration<double, std::micro>(Clock::now() - g_run.sentAt);
    if (g_run.started > g_run.firstMeasured) {
        g_run.micros[lane].push_back(took.count());
    }
    g_run.StartNext();
}

// Pumps until cond() holds, the run fails or nothing happens for too long.
template <typename Cond> bool PumpUntil(Cond cond) {
    auto lastProgress = Clock::now();
    int seen = g_run.started + g_run.loggedOn;
    while (!cond() && !g_run.failed) {
        quor_pump(100);
        if (g_run.started + g_run.loggedOn != seen) {
            seen = g_run.started + g_run.loggedOn;
            lastProgress = Clock::now();
        } else if (Clock::now() - lastProgress > kStallLimit) {
            return false;
        }
    }
    return !g_run.failed;
}

// Logs one session on; each connection keeps the server and mode in force
// at its connect request.
bool LogOn(QUORHANDLE h, const char *user, const std::string &password, const PingPongLane &lane) {
    quor_setserver("127.0.0.1", lane.port);
    const int mode = lane.caFile.empty() ? QUOR_TLS_OFF : QUOR_TLS_ON;
    const int wanted = g_run.loggedOn + 1;
    // One after the other: a relay takes its clients in turn.
    return quor_settls(mode, lane.caFile.c_str()) == 0 &&
           quor_login(h, user, password.c_str()) == 0 &&
           PumpUntil([wanted] { return g_run.loggedOn == wanted; });
}

} // namespace

std::vector<std::vector<double>> RunPingPong(const PingPongPlan &plan) {
    g_run = Run{};
    g_run.plan = &plan;
    const int lanes = static_cast<int>(plan.lanes.size());
    g_run.wanted = lanes * (plan.warmUp + plan.roundTrips);
    g_run.firstMeasured = lanes * plan.warmUp;
    g_run.micros.resize(plan.lanes.size());
    if (lanes == 0 || quor_init(QUOR_API_BUILD) != 0) {
        return {};
    }
    quor_setcallback(QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(&OnLogin));
    quor_setcallback(QUOR_CB_DISCONNECT, reinterpret_cast<QUORCALLBACK>(&OnDisconnect));
    quor_setcallback(QUOR_CB_TEXT, reinterpret_cast<QUORCALLBACK>(&OnText));
    bool ok = true;
    for (const PingPongLane &lane : plan.lanes) {
        Pair pair{quor_create(), quor_create()};
        g_run.pairs.push_back(pair);
        ok = ok && LogOn(pair.alice, "alice", lane.alicePassword, lane) &&
             LogOn(pair.bob, "bob", lane.bobPassword, lane);
    }
    ok = ok && (g_run.StartNext(), PumpUntil([] { return g_run.done(); }));
    quor_term();
    quor_settls(QUOR_TLS_OFF, nullptr);
    quor_setserver(nullptr, 0);
    return ok ? std::move(g_run.micros) : std::vector<std::vector<double>>{};
}

} // namespace quor::bench
