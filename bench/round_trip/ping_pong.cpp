#include "ping_pong.h"

#include "quor.h"

#include <chrono>

namespace quor::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kStallLimit = std::chrono::seconds(10);
constexpr const char *kText = "a text of an everyday length, there and back again";

struct Run {
    QUORHANDLE alice = nullptr;
    QUORHANDLE bob = nullptr;
    int loggedOn = 0;
    bool failed = false;
    int sent = 0; // round trips started
    int wanted = 0;
    int warmUp = 0;
    Clock::time_point sentAt;
    std::vector<double> micros;

    bool done() const { return failed || sent > wanted; }
    void SendNext() {
        ++sent;
        if (sent <= wanted) {
            sentAt = Clock::now();
            failed = quor_sendtext(alice, "bob", kText) != 0;
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
    if (h == g_run.bob) {
        g_run.failed = quor_sendtext(g_run.bob, "alice", text) != 0;
        return;
    }
    const auto took = std::chrono::duration<double, std::micro>(Clock::now() - g_run.sentAt);
    if (g_run.sent > g_run.warmUp) {
        g_run.micros.push_back(took.count());
    }
    g_run.SendNext();
}

// Pumps until cond() holds, the run fails or nothing happens for too long.
template <typename Cond> bool PumpUntil(Cond cond) {
    auto lastProgress = Clock::now();
    int seen = g_run.sent + g_run.loggedOn;
    while (!cond() && !g_run.failed) {
        quor_pump(100);
        if (g_run.sent + g_run.loggedOn != seen) {
            seen = g_run.sent + g_run.loggedOn;
            lastProgress = Clock::now();
        } else if (Clock::now() - lastProgress > kStallLimit) {
            return false;
        }
    }
    return !g_run.failed;
}

} // namespace

std::vector<double> RunPingPong(const PingPongPlan &plan) {
    g_run = Run{};
    g_run.wanted = plan.warmUp + plan.roundTrips;
    g_run.warmUp = plan.warmUp;
    quor_setserver("127.0.0.1", plan.port);
    const int mode = plan.caFile.empty() ? QUOR_TLS_OFF : QUOR_TLS_ON;
    if (quor_settls(mode, plan.caFile.c_str()) != 0 || quor_init(QUOR_API_BUILD) != 0) {
        return {};
    }
    quor_setcallback(QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(&OnLogin));
    quor_setcallback(QUOR_CB_DISCONNECT, reinterpret_cast<QUORCALLBACK>(&OnDisconnect));
    quor_setcallback(QUOR_CB_TEXT, reinterpret_cast<QUORCALLBACK>(&OnText));
    g_run.alice = quor_create();
    g_run.bob = quor_create();
    // One after the other: a relay takes its clients in turn.
    const bool ok = quor_login(g_run.alice, "alice", plan.alicePassword.c_str()) == 0 &&
                    PumpUntil([] { return g_run.loggedOn == 1; }) &&
                    quor_login(g_run.bob, "bob", plan.bobPassword.c_str()) == 0 &&
                    PumpUntil([] { return g_run.loggedOn == 2; }) &&
                    (g_run.SendNext(), PumpUntil([] { return g_run.done(); }));
    quor_term();
    quor_settls(QUOR_TLS_OFF, nullptr);
    return ok ? std::move(g_run.micros) : std::vector<double>{};
}

} // namespace quor::bench
