// Measures how fast the library turns a stream of text records into text
// callbacks, against the fastest a client of this framing can read the same
// stream (blocking recv calls of one record each). Both read 1,000,000 texts
// of 100 characters from a local server; the library should reach at least
// 0.8 of the plain reader's rate.
//
//   bench_dispatch [RECORDS [ROUNDS]]
//
// Each round runs both readers; the best rate of each is compared. Exits 1
// only when a run fails to receive its records.
#include "stream_readers.h"
#include "text_stream_server.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace quor::bench;

namespace {

constexpr std::size_t kDefaultRecords = 1000000;
constexpr int kDefaultRounds = 3;
constexpr std::size_t kTextLength = 100;
constexpr double kTargetRatio = 0.8;

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
        std::printf("  %-22s FAILED after %zu records\n", name, r.records);
        return false;
    }
    std::printf("  %-22s %9zu records in %6.3f s = %10.0f records/s\n", name, r.records, r.seconds,
                r.RecordsPerSecond());
    return true;
}

} // namespace

int main(int argc, char **argv) {
    const std::size_t records = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : kDefaultRecords;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    if (records == 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: %s [RECORDS [ROUNDS]]\n", argv[0]);
        return 2;
    }
    TextStreamServer server(records, "bench", kTextLength);
    Best library, plain;
    bool ok = true;
    for (int round = 1; round <= rounds && ok; ++round) {
        std::printf("round %d\n", round);
        server.ServeOneClient();
        const ReadResult plainRun = ReadWithPlainRecv(server.port(), records);
        ok = Report("plain 476-byte recv", plainRun, server.Finish());
        plain.Add(plainRun);

        server.ServeOneClient();
        const ReadResult libraryRun = ReadWithLibrary(server.port(), records);
        ok = Report("library text callbacks", libraryRun, server.Finish()) && ok;
        library.Add(libraryRun);
        if (ok) {
            std::printf("  %-22s %.2f\n", "ratio",
                        libraryRun.RecordsPerSecond() / plainRun.RecordsPerSecond());
        }
    }
    if (!ok) {
        return 1;
    }
    const double ratio = library.rate / plain.rate;
    std::printf("best: library %.0f records/s, plain recv %.0f records/s, ratio %.2f "
                "(target %.2f): %s\n",
                library.rate, plain.rate, ratio, kTargetRatio,
                ratio >= kTargetRatio ? "met" : "NOT met");
    return 0;
}
