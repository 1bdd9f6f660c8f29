// SPDX-License-Identifier: MIT
#include "stream_readers.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include "quor.h"

#include <openssl/ssl.h>

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

ReadResult ReadWithLibrary(int port, std::size_t records, const std::string &caFile) {
    ReadResult result;
    g_run = LibraryRun{};
    g_run.wanted = records;
    quor_setserver("127.0.0.1", port);
    const int mode = caFile.empty() ? QUOR_TLS_OFF : QUOR_TLS_ON;
    if (quor_settls(mode, caFile.c_str()) != 0 || quor_init(QUOR_API_BUILD) != 0) {
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

namespace {

// A blocking connection to the bench server, with TLS over it or not.
class BenchConnection {
public:
    BenchConnection(int port, SSL_CTX *tls) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
        if (ok_ && tls != nullptr) {
            ssl_ = SSL_new(tls);
            ok_ = ssl_ != nullptr && SSL_set_fd(ssl_, fd_) == 1 &&
                  SSL_set1_host(ssl_, "127.0.0.1") == 1 && SSL_connect(ssl_) == 1;
        }
    }
    ~BenchConnection() {
        SSL_free(ssl_);
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    bool ok() const { return ok_; }

    long Read(std::uint8_t *data, std::size_t n) {
        if (ssl_ == nullptr) {
            return ::recv(fd_, data, n, 0);
        }
        std::size_t got = 0;
        return SSL_read_ex(ssl_, data, n, &got) == 1 ? static_cast<long>(got) : -1;
    }
    bool WriteRecord(const QuorMessage &m) {
        if (ssl_ == nullptr) {
            return ::send(fd_, m.bytes.data(), kRecordSize, MSG_NOSIGNAL) ==
                   static_cast<ssize_t>(kRecordSize);
        }
        std::size_t sent = 0;
        return SSL_write_ex(ssl_, m.bytes.data(), kRecordSize, &sent) == 1 && sent == kRecordSize;
    }

private:
    int fd_ = -1;
    SSL *ssl_ = nullptr;
    bool ok_ = false;
};

// Logs on, then reads the stream one record's size per call.
ReadResult ReadRecords(int port, std::size_t records, SSL_CTX *tls) {
    ReadResult result;
    BenchConnection connection(port, tls);
    QuorMessage opening;
    opening.setSender(kUser);
    PackFields(opening, wire::kLoginRequest, 1, "ssdd",
               {std::string_view(kUser), std::string_view("secret"), QUOR_API_BUILD, 1});
    if (!connection.ok() || !connection.WriteRecord(opening)) {
        return result;
    }

    std::uint8_t buffer[kRecordSize];
    const std::size_t wanted = (records + 1) * kRecordSize; // the login answer first
    std::size_t received = 0;
    Clock::time_point start;
    while (received < wanted) {
        const long n = connection.Read(buffer, kRecordSize);
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
    result.records = received > kRecordSize ? received / kRecordSize - 1 : 0;
    result.ok = received == wanted;
    result.seconds = result.ok ? SecondsBetween(start, end) : 0;
    return result;
}

} // namespace

ReadResult ReadWithPlainRecv(int port, std::size_t records) {
    return ReadRecords(port, records, nullptr);
}

ReadResult ReadWithSslRead(int port, std::size_t records, const std::string &caFile) {
    SSL_CTX *tls = SSL_CTX_new(TLS_client_method());
    SSL_CTX_set_min_proto_version(tls, TLS1_2_VERSION);
    SSL_CTX_set_verify(tls, SSL_VERIFY_PEER, nullptr);
    ReadResult result;
    if (SSL_CTX_load_verify_locations(tls, caFile.c_str(), nullptr) == 1) {
        result = ReadRecords(port, records, tls);
    }
    SSL_CTX_free(tls);
    return result;
}

} // namespace quor::bench
