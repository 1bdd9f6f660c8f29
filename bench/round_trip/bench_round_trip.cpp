// Round trips of a text through a chat server: alice sends it to bob
// through quord, bob's callback sends it back, and alice takes the time
// from her send to its return. The same is run against a minimal relay of
// raw 476-byte records, which shows how much of a round trip is quord's
// own work, and everything over plain TCP and over TLS. TLS should cost at
// most 1.3 times the plain round trip at the median (p50), through quord.
//
//   bench_round_trip [ROUND_TRIPS]
//
// Exits 1 only when a run fails.
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
constexpr double kTargetRatio = 1.3;

struct Percentiles {
    double p50 = 0;
    double p99 = 0;
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
    if (roundTrips <= 0) {
        std::fprintf(stderr, "usage: %s [ROUND_TRIPS]\n", argv[0]);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN); // the relay's writes to a client that left
    const quor::testing::TestCertificate certificate;
    std::printf("plain\n");
    const auto plainQuord = ThroughQuord(nullptr, roundTrips);
    const auto plainRelay = ThroughRelay(nullptr, roundTrips);
    std::printf("TLS\n");
    const auto tlsQuord = ThroughQuord(&certificate, roundTrips);
    const auto tlsRelay = ThroughRelay(&certificate, roundTrips);
    if (!plainQuord || !plainRelay || !tlsQuord || !tlsRelay) {
        return 1;
    }
    const double quordRatio = tlsQuord->p50 / plainQuord->p50;
    std::printf("TLS/plain at p50: through quord %.2f (target at most %.2f): %s; through the "
                "relay %.2f\n",
                quordRatio, kTargetRatio, quordRatio <= kTargetRatio ? "met" : "NOT met",
                tlsRelay->p50 / plainRelay->p50);
    return 0;
}
