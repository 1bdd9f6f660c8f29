#include "stream_readers.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include "quor.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace quor::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char *kUser = "bench";
// A run that takes longer than this has stalled.
constexpr auto kRunLimit = std::chrono::seconds(120);
constexpr unsigned kPumpsPerDeadlineCheck = 4096;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// What the library's callbacks saw during one run.
struct LibraryRun {
    std::size_t wanted = 0;
    std::size_t texts = 0;
    bool loggedOn = false;
    bool ended = false; // refused, disconnected or done
    Clock::time_point start;
    Clock::time_point end;
};

LibraryRun g_run;

void OnLogin(QUORHANDLE, int result) {
    g_run.loggedOn = result == 0;
    g_run.ended = result != 0;
    g_run.start = Clock::now();
}

void OnDisconnect(QUORHANDLE) {
    g_run.ended = true;
}

void OnText(QUORHANDLE, const char *, const char *) {
    if (++g_run.texts == g_run.wanted) {
        g_run.end = Clock::now();
        g_run.ended = true;
    }
}

} // namespace

ReadResult ReadWithLibrary(int port, std::size_t records) {
    ReadResult result;
    g_run = LibraryRun{};
    g_run.wanted = records;
    quor_setserver("127.0.0.1", port);
    if (quor_init(QUOR_API_BUILD) != 0) {
        return result;
    }
    quor_setcallback(QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(&OnLogin));
    quor_setcallback(QUOR_CB_DISCONNECT, reinterpret_cast<QUORCALLBACK>(&OnDisconnect));
    quor_setcallback(QUOR_CB_TEXT, reinterpret_cast<QUORCALLBACK>(&OnText));
    QUORHANDLE h = quor_create();
    if (h != nullptr && quor_login(h, kUser, "secret") == 0) {
        const auto deadline = Clock::now() + kRunLimit;
        for (unsigned pumps = 1; !g_run.ended; ++pumps) {
            quor_pump(-1);
            // A clock read costs about as much as the pump's own work, so the
            // deadline is looked at only now and then.
            if (pumps % kPumpsPerDeadlineCheck == 0 && Clock::now() > deadline) {
                break;
            }
        }
    }
    quor_term();
    result.ok = g_run.loggedOn && g_run.texts == records;
    result.records = g_run.texts;
    result.seconds = result.ok ? SecondsBetween(g_run.start, g_run.end) : 0;
    return result;
}

ReadResult ReadWithPlainRecv(int port, std::size_t records) {
    ReadResult result;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QuorMessage opening;
    opening.setSender(kUser);
    PackFields(opening, wire::kLoginRequest, 1, "ssdd",
               {std::string_view(kUser), std::string_view("secret"), QUOR_API_BUILD, 1});
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
        ::send(fd, opening.bytes.data(), kRecordSize, MSG_NOSIGNAL) !=
            static_cast<ssize_t>(kRecordSize)) {
        if (fd >= 0) {
            ::close(fd);
        }
        return result;
    }

    std::uint8_t buffer[kRecordSize];
    const std::size_t wanted = (records + 1) * kRecordSize; // the login answer first
    std::size_t received = 0;
    Clock::time_point start;
    while (received < wanted) {
        const ssize_t n = ::recv(fd, buffer, kRecordSize, 0);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) {
                continue;
            }
            break;
        }
        if (received < kRecordSize && received + n >= kRecordSize) {
            start = Clock::now(); // the login answer is complete
        }
        received += static_cast<std::size_t>(n);
    }
    const auto end = Clock::now();
    ::close(fd);
    result.records = received > kRecordSize ? received / kRecordSize - 1 : 0;
    result.ok = received == wanted;
    result.seconds = result.ok ? SecondsBetween(start, end) : 0;
    return result;
}

} // namespace quor::bench
