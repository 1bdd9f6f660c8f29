// Round trips of a text through a chat server: alice sends it to bob
// through quord, bob's callback sends it back, and alice takes the time
// from her send to its return. The same is run against a minimal relay of
// raw 476-byte records, which shows how much of a round trip is quord's
// own work, and everything over plain TCP and over TLS. TLS should cost at
// most 1.3 times the plain round trip at the median (p50), through quord.
//
//   bench_round_trip [ROUND_TRIPS [ROUNDS]]
//
// Each round measures all four ways; the lowest p50 and p99 of each are
// compared, so that a burst of load from elsewhere on the machine during
// one run does not decide the result. Exits 1 only when a run fails.
#include "ping_pong.h"
#include "quord_process.h"
#include "record_relay.h"
#include "test_certificate.h"

#include <openssl/ssl.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace quor::bench;

namespace {

constexpr int kDefaultRoundTrips = 5000;
constexpr int kDefaultRounds = 3;
constexpr double kTargetRatio = 1.3;

struct Percentiles {
    double p50 = 0;
    double p99 = 0;
};

// The lowest figures over the rounds.
struct Best {
    std::optional<Percentiles> best;
    bool failed = false;
    void Add(const std::optional<Percentiles> &run) {
        failed = failed || !run;
        if (run && (!best || run->p50 < best->p50)) {
            best = Percentiles{run->p50, best ? std::min(best->p99, run->p99) : run->p99};
        } else if (run) {
            best->p99 = std::min(best->p99, run->p99);
        }
    }
};

std::optional<Percentiles> Measure(const char *name, PingPongPlan plan) {
    std::vector<double> micros = RunPingPong(plan);
    if (micros.empty()) {
        std::printf("  %-22s FAILED\n", name);
        return std::nullopt;
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double fraction) {
        return micros[std::min(micros.size() - 1,
                               static_cast<std::size_t>(fraction * micros.size()))];
    };
    const Percentiles result{at(0.50), at(0.99)};
    std::printf("  %-22s %6zu round trips: p50 %7.1f us, p99 %7.1f us\n", name, micros.size(),
                result.p50, result.p99);
    return result;
}

std::optional<Percentiles> ThroughQuord(const quor::testing::TestCertificate *certificate,
                                        int roundTrips) {
    quord::testing::QuordProcess quord;
    quord.AddAccount("alice", "alice-pw");
    quord.AddAccount("bob", "bob-pw");
    std::vector<std::string> arguments;
    if (certificate != nullptr) {
        arguments = {"--tls-cert", certificate->certFile(), "--tls-key", certificate->keyFile()};
    }
    if (!quord.Start(arguments)) {
        std::printf("  quord did not start:\n%s", quord.Log().c_str());
        return std::nullopt;
    }
    PingPongPlan plan;
    plan.port = quord.port();
    plan.caFile = certificate != nullptr ? certificate->certFile() : "";
    plan.roundTrips = roundTrips;
    return Measure("through quord", plan);
}

std::optional<Percentiles> ThroughRelay(const quor::testing::TestCertificate *certificate,
                                        int roundTrips) {
    SSL_CTX *tls = certificate != nullptr ? certificate->NewServerContext() : nullptr;
    std::optional<Percentiles> result;
    {
        RecordRelay relay(tls);
        PingPongPlan plan;
        plan.port = relay.port();
        plan.caFile = certificate != nullptr ? certificate->certFile() : "";
        plan.roundTrips = roundTrips;
        result = Measure("through a record relay", plan);
    }
    SSL_CTX_free(tls);
    return result;
}

} // namespace

int main(int argc, char **argv) {
    const int roundTrips = argc > 1 ? std::atoi(argv[1]) : kDefaultRoundTrips;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    if (roundTrips <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: %s [ROUND_TRIPS [ROUNDS]]\n", argv[0]);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN); // the relay's writes to a client that left
    const quor::testing::TestCertificate certificate;
    Best plainQuord, plainRelay, tlsQuord, tlsRelay;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %d, plain\n", round);
        plainQuord.Add(ThroughQuord(nullptr, roundTrips));
        plainRelay.Add(ThroughRelay(nullptr, roundTrips));
        std::printf("round %d, TLS\n", round);
        tlsQuord.Add(ThroughQuord(&certificate, roundTrips));
        tlsRelay.Add(ThroughRelay(&certificate, roundTrips));
    }
    if (plainQuord.failed || plainRelay.failed || tlsQuord.failed || tlsRelay.failed) {
        return 1;
    }
    const auto line = [](const char *name, const Best &b) {
        std::printf("best %-22s p50 %7.1f us, p99 %7.1f us\n", name, b.best->p50, b.best->p99);
    };
    line("plain through quord", plainQuord);
    line("plain through relay", plainRelay);
    line("TLS through quord", tlsQuord);
    line("TLS through relay", tlsRelay);
    const double quordRatio = tlsQuord.best->p50 / plainQuord.best->p50;
    std::printf("TLS/plain at p50: through quord %.2f (target at most %.2f): %s; through the "
                "relay %.2f\n",
                quordRatio, kTargetRatio, quordRatio <= kTargetRatio ? "met" : "NOT met",
                tlsRelay.best->p50 / plainRelay.best->p50);
    return 0;
}
