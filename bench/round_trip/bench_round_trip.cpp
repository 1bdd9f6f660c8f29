// SPDX-License-Identifier: MIT
// Round trips of a text through a chat server: alice sends it to bob
// through quord, bob's callback sends it back, and alice takes the time
// from her send to its return. The same is run against a minimal relay of
// raw 476-byte records, which shows how much of a round trip is quord's
// own work. TLS should cost at most 1.3 times the plain round trip at the
// median (p50), through quord.
//
//   bench_round_trip [ROUND_TRIPS [ROUNDS]]
//
// How long a round trip takes here is mostly how soon the machine wakes the
// processes up, which jumps with its load between about 20 and 150 us. So
// each round runs a plain and a TLS server side by side and takes their
// round trips in turn, one each, and the figure compared is the median over
// the rounds of each round's TLS/plain ratio. quord's processor time per
// relayed text, which the wake-ups barely move, is reported beside it.
// Exits 1 only when a run fails.
#include "bench_quord.h"
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
constexpr int kDefaultRounds = 5;
constexpr double kTargetRatio = 1.3;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()))];
}

// One transport's figures in one round.
struct Figures {
    double p50 = 0;
    double p99 = 0;
    double serverMicrosPerText = 0; // 0 when not measured
};

// A plain and a TLS lane measured in the same round.
struct Round {
    Figures plain;
    Figures tls;
    double ratio() const { return tls.p50 / plain.p50; }
};

void PrintRound(const char *name, const Round &round) {
    const auto print = [](const char *transport, const Figures &f) {
        std::printf("    %-5s p50 %7.1f us, p99 %7.1f us", transport, f.p50, f.p99);
        if (f.serverMicrosPerText > 0) {
            std::printf(", quord %5.1f us per relayed text", f.serverMicrosPerText);
        }
        std::printf("\n");
    };
    std::printf("  %s:\n", name);
    print("plain", round.plain);
    print("TLS", round.tls);
    std::printf("    TLS/plain at p50 %.2f\n", round.ratio());
}

// Runs the round trips on a plain and a TLS lane; servers are the pids whose
// main thread's processor time is taken during the measured round trips
// (none: not measured).
std::optional<Round> Measure(const std::vector<PingPongLane> &lanes, int roundTrips,
                             const std::vector<pid_t> &servers = {}) {
    PingPongPlan plan;
    plan.lanes = lanes;
    plan.roundTrips = roundTrips;
    std::vector<double> startSeconds(servers.size()), endSeconds(servers.size());
    const auto sample = [&servers](std::vector<double> &into) {
        for (std::size_t i = 0; i < servers.size(); ++i) {
            into[i] = quord::bench::ProcessorWaitsOf(servers[i]).runSeconds;
        }
    };
    plan.onMeasureStart = [&] { sample(startSeconds); };
    plan.onMeasureEnd = [&] { sample(endSeconds); };
    const std::vector<std::vector<double>> micros = RunPingPong(plan);
    if (micros.size() != 2) {
        return std::nullopt;
    }
    Figures figures[2];
    for (std::size_t lane = 0; lane < 2; ++lane) {
        figures[lane].p50 = Percentile(micros[lane], 0.50);
        figures[lane].p99 = Percentile(micros[lane], 0.99);
        if (lane < servers.size()) {
            // Each round trip is two texts relayed: alice's and bob's answer.
            figures[lane].serverMicrosPerText =
                (endSeconds[lane] - startSeconds[lane]) * 1e6 / (2.0 * roundTrips);
        }
    }
    return Round{figures[0], figures[1]};
}

std::optional<Round> ThroughQuord(const quor::testing::TestCertificate &certificate,
                                  int roundTrips) {
    quord::testing::QuordProcess plain, tls;
    for (quord::testing::QuordProcess *server : {&plain, &tls}) {
        server->AddAccount("alice", "alice-pw");
        server->AddAccount("bob", "bob-pw");
    }
    if (!plain.Start() ||
        !tls.Start({"--tls-cert", certificate.certFile(), "--tls-key", certificate.keyFile()})) {
        std::printf("  quord did not start:\n%s%s", plain.Log().c_str(), tls.Log().c_str());
        return std::nullopt;
    }
    std::vector<PingPongLane> lanes(2);
    lanes[0].port = plain.port();
    lanes[1].port = tls.port();
    lanes[1].caFile = certificate.certFile();
    return Measure(lanes, roundTrips, {plain.pid(), tls.pid()});
}

std::optional<Round> ThroughRelay(const quor::testing::TestCertificate &certificate,
                                  int roundTrips) {
    SSL_CTX *context = certificate.NewServerContext();
    std::optional<Round> result;
    {
        RecordRelay plain(nullptr), tls(context);
        std::vector<PingPongLane> lanes(2);
        lanes[0].port = plain.port();
        lanes[1].port = tls.port();
        lanes[1].caFile = certificate.certFile();
        result = Measure(lanes, roundTrips);
    }
    SSL_CTX_free(context);
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
    std::vector<Round> quordRounds, relayRounds;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %d, %d round trips each, plain and TLS in turn\n", round, roundTrips);
        const std::optional<Round> quord = ThroughQuord(certificate, roundTrips);
        const std::optional<Round> relay = ThroughRelay(certificate, roundTrips);
        if (!quord || !relay) {
            std::printf("  FAILED\n");
            return 1;
        }
        PrintRound("through quord", *quord);
        PrintRound("through a record relay", *relay);
        quordRounds.push_back(*quord);
        relayRounds.push_back(*relay);
    }
    const auto median = [](const std::vector<Round> &all, auto figure) {
        std::vector<double> values;
        for (const Round &r : all) {
            values.push_back(figure(r));
        }
        return Median(values);
    };
    const double quordRatio = median(quordRounds, [](const Round &r) { return r.ratio(); });
    const double relayRatio = median(relayRounds, [](const Round &r) { return r.ratio(); });
    const double plainCpu =
        median(quordRounds, [](const Round &r) { return r.plain.serverMicrosPerText; });
    const double tlsCpu =
        median(quordRounds, [](const Round &r) { return r.tls.serverMicrosPerText; });
    std::printf("median of %d rounds: TLS/plain at p50 through quord %.2f (target at most %.2f): "
                "%s; through the relay %.2f\n",
                rounds, quordRatio, kTargetRatio, quordRatio <= kTargetRatio ? "met" : "NOT met",
                relayRatio);
    std::printf("quord's processor time per relayed text (median): plain %.1f us, TLS %.1f us, "
                "TLS/plain %.2f\n",
                plainCpu, tlsCpu, tlsCpu / plainCpu);
    return 0;
}
