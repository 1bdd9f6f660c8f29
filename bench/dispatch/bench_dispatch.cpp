// SPDX-License-Identifier: MIT
// Measures how fast the library turns a stream of text records into text
// callbacks, against the fastest a client of this framing can read the same
// stream: blocking recv calls of one record each, and over TLS blocking
// SSL_read calls of one record each. Each reads 1,000,000 texts of 100
// characters from a local server. The library reads its socket in chunks,
// so over plain TCP it should be at least as fast as the reader that only
// reads (ratio 1.0); over TLS, where both readers share the decryption, at
// least 0.8 of it.
//
//   bench_dispatch [RECORDS [ROUNDS]]
//
// Each round runs all four readers; the best rate of each is compared. Exits
// 1 only when a run fails to receive its records.
#include "stream_readers.h"
#include "test_certificate.h"
#include "text_stream_server.h"

#include <openssl/ssl.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

using namespace quor::bench;

namespace {

constexpr std::size_t kDefaultRecords = 1000000;
constexpr int kDefaultRounds = 3;
constexpr std::size_t kTextLength = 100;
constexpr double kPlainTarget = 1.0;
constexpr double kTlsTarget = 0.8;

struct Best {
    double rate = 0;
    void Add(const ReadResult &r) {
        if (r.RecordsPerSecond() > rate) {
            rate = r.RecordsPerSecond();
        }
    }
};

bool Report(const char *name, const ReadResult &r, bool served) {
    if (!r.ok || !served) {
        std::printf("  %-26s FAILED after %zu records\n", name, r.records);
        return false;
    }
    std::printf("  %-26s %9zu records in %6.3f s = %10.0f records/s\n", name, r.records, r.seconds,
                r.RecordsPerSecond());
    return true;
}

// One pair of readers of one server: the plain reader and the library.
struct Comparison {
    const char *transport;
    double target; // the least ratio of library to plain reader
    TextStreamServer &server;
    std::function<ReadResult(int)> plainReader;
    const char *plainName;
    std::function<ReadResult(int)> libraryReader;
    Best plain, library;

    bool RunRound() {
        server.ServeOneClient();
        const ReadResult plainRun = plainReader(server.port());
        bool ok = Report(plainName, plainRun, server.Finish());
        plain.Add(plainRun);
        server.ServeOneClient();
        const ReadResult libraryRun = libraryReader(server.port());
        ok = Report("library text callbacks", libraryRun, server.Finish()) && ok;
        library.Add(libraryRun);
        if (ok) {
            std::printf("  %-26s %.2f\n", "ratio",
                        libraryRun.RecordsPerSecond() / plainRun.RecordsPerSecond());
        }
        return ok;
    }

    void Summary() const {
        const double ratio = library.rate / plain.rate;
        std::printf("best %s: library %.0f records/s, %s %.0f records/s, ratio %.2f "
                    "(target %.2f): %s\n",
                    transport, library.rate, plainName, plain.rate, ratio, target,
                    ratio >= target ? "met" : "NOT met");
    }
};

} // namespace

int main(int argc, char **argv) {
    const std::size_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : kDefaultRecords;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    if (records == 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: %s [RECORDS [ROUNDS]]\n", argv[0]);
        return 2;
    }
    // A reader that stops early must not end the server thread's writes
    // with a signal.
    std::signal(SIGPIPE, SIG_IGN);
    const quor::testing::TestCertificate certificate;
    SSL_CTX *serverTls = certificate.NewServerContext();
    const std::string ca = certificate.certFile();

    TextStreamServer plainServer(records, "bench", kTextLength);
    TextStreamServer tlsServer(records, "bench", kTextLength, serverTls);
    Comparison comparisons[] = {
        {"plain",
         kPlainTarget,
         plainServer,
         [&](int port) { return ReadWithPlainRecv(port, records); },
         "plain 476-byte recv",
         [&](int port) { return ReadWithLibrary(port, records); },
         {},
         {}},
        {"TLS",
         kTlsTarget,
         tlsServer,
         [&](int port) { return ReadWithSslRead(port, records, ca); },
         "plain 476-byte SSL_read",
         [&](int port) { return ReadWithLibrary(port, records, ca); },
         {},
         {}},
    };
    bool ok = true;
    for (int round = 1; round <= rounds && ok; ++round) {
        for (Comparison &comparison : comparisons) {
            std::printf("round %d, %s\n", round, comparison.transport);
            ok = comparison.RunRound() && ok;
        }
    }
    SSL_CTX_free(serverTls);
    if (!ok) {
        return 1;
    }
    for (const Comparison &comparison : comparisons) {
        comparison.Summary();
    }
    return 0;
}
