// SPDX-License-Identifier: MIT
// Feeds the chat server's request handling from several simulated
// connections without sockets: connections open and close, send requests
// built from the input (logins, account requests, texts, channels,
// contacts, profiles, pings), whole raw records and raw bytes, while
// password work finishes, the timer fires and the throttle's clock moves in
// between. The input layout is described in support/server_requests_input.h.
#include "server_harness.h"
#include "server_log.h"
#include "server_requests_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

using namespace quor;
using namespace quor::fuzz;

namespace {

const std::string &OutboxFolder() {
    static const std::string folder = (std::filesystem::temp_directory_path() /
                                       ("fuzz_server_outbox_" + std::to_string(getpid())))
                                          .string();
    return folder;
}

void Step(ServerHarness &server, ByteReader &in) {
    const std::uint8_t op = in.byte();
    const std::size_t slot = (op >> 3) % kSlots;
    switch (static_cast<ServerAction>(op & 7)) {
    case ServerAction::Open:
        server.Open(slot, in.byte());
        break;
    case ServerAction::Close:
        server.ClientCloses(slot);
        break;
    case ServerAction::Request:
        server.FeedRecord(slot, ReadRequest(in));
        break;
    case ServerAction::Record: {
        QuorMessage record;
        const auto bytes = in.bytes(kRecordSize);
        std::copy(bytes.begin(), bytes.end(), record.bytes.begin());
        server.FeedRecord(slot, record);
        break;
    }
    case ServerAction::Bytes:
        server.Feed(slot, in.bytes(in.byte()));
        break;
    case ServerAction::Finish:
        server.FinishWork();
        break;
    case ServerAction::Timer:
        server.Timer();
        break;
    case ServerAction::Clock:
        server.AdvanceClock(in.byte() * kClockStepMs);
        break;
    }
    server.Reap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The server's log would only slow the fuzzer down.
    static const int silenced = [] {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        quord::SetLogDescriptor(null);
        return null;
    }();
    (void)silenced;
    ByteReader in(data, size);
    const std::uint8_t flags = in.byte();
    ServerHarness server(OutboxFolder(), (flags & kRegistrationClosed) == 0,
                         (flags & kTinyWorkQueue) != 0 ? 1 : 64);
    while (!in.empty()) {
        Step(server, in);
    }
    return 0;
}
