// SPDX-License-Identifier: MIT
#include "idle_sessions.h"

#include "bench_quord.h"
#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"
#include "raw_client.h"
#include "record_assembler.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace quord::bench {

using namespace quor::wire;

namespace {

// Logins on their way at once in one worker: keeps the server's password
// queue (64) from overflowing when every worker logs on together.
constexpr int kLoginWindow = 4;

struct IdleSession {
    int fd = -1;
    int index = 0;
    bool loggedOn = false;
    RecordAssembler input;
};

int Connect(int port, const std::string &from) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &local.sin_addr);
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(static_cast<std::uint16_t>(port));
    server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 ||
        ::connect(fd, reinterpret_cast<sockaddr *>(&server), sizeof server) != 0) {
        std::perror("idle session connect");
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    return fd;
}

bool SendRecord(int fd, const quor::QuorMessage &record) {
    return ::send(fd, record.bytes.data(), record.bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(record.bytes.size());
}

} // namespace

std::string IdleUserName(int session) {
    return "idle" + std::to_string(session);
}

std::string IdleAddress(int session) {
    const int address = session / kSessionsPerAddress;
    return "127.10." + std::to_string(address / 200) + "." + std::to_string(address % 200 + 1);
}

int RunIdleWorker(const IdlePlan &plan, int readyFd, int stopFd) {
    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    std::vector<IdleSession> sessions(static_cast<std::size_t>(plan.sessions));
    epoll_event stopEvent{};
    stopEvent.events = EPOLLIN;
    stopEvent.data.u64 = sessions.size();
    epoll_ctl(epoll, EPOLL_CTL_ADD, stopFd, &stopEvent);
    int started = 0;
    int loggedOn = 0;
    bool ready = false;
    const double deadline = NowSeconds() + plan.timeoutSeconds;
    std::vector<epoll_event> events(256);
    for (;;) {
        while (started < plan.sessions && started - loggedOn < kLoginWindow) {
            IdleSession &session = sessions[static_cast<std::size_t>(started)];
            session.index = plan.firstSession + started;
            session.fd = Connect(plan.port, IdleAddress(session.index));
            const std::string name = IdleUserName(session.index);
            if (session.fd < 0 ||
                !SendRecord(session.fd,
                            testing::ClientRecord(kLoginRequest, name, "", "ssdd",
                                                  {name, kIdlePassword, kApiBuild, 1}))) {
                [[maybe_unused]] const ssize_t n = ::write(readyFd, "f", 1);
                return 1;
            }
            epoll_event event{};
            event.events = EPOLLIN;
            event.data.u64 = static_cast<std::uint64_t>(started);
            epoll_ctl(epoll, EPOLL_CTL_ADD, session.fd, &event);
            ++started;
        }
        if (!ready && loggedOn == plan.sessions) {
            ready = true;
            [[maybe_unused]] const ssize_t n = ::write(readyFd, "r", 1);
        }
        if (!ready && NowSeconds() > deadline) {
            std::fprintf(stderr, "idle worker: %d of %d sessions logged on in time\n", loggedOn,
                         plan.sessions);
            [[maybe_unused]] const ssize_t n = ::write(readyFd, "f", 1);
            return 1;
        }
        const int count = epoll_wait(epoll, events.data(), static_cast<int>(events.size()), 1000);
        for (int i = 0; i < count; ++i) {
            if (events[i].data.u64 == sessions.size()) {
                return 0; // the benchmark is done
            }
            IdleSession &session = sessions[events[i].data.u64];
            std::uint8_t buffer[4096];
            const ssize_t n = ::recv(session.fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                std::fprintf(stderr, "idle worker: session %d was closed\n", session.index);
                return 1;
            }
            session.input.Feed(
                buffer, static_cast<std::size_t>(n), [&](const quor::QuorMessage &record) {
                    std::int32_t stamp = 0;
                    if (record.id() == kLoggedOnUser && !session.loggedOn) {
                        session.loggedOn = true;
                        ++loggedOn;
                    } else if (quor::ExpectFields(record, kPing, 1, "d", {&stamp})) {
                        SendRecord(session.fd,
                                   testing::ClientRecord(kPingReply, IdleUserName(session.index),
                                                         kServerName, "d", {stamp}));
                    } else if (IsErrorId(record.id())) {
                        std::fprintf(stderr, "idle worker: session %d refused %d\n", session.index,
                                     record.id());
                    }
                    return true;
                });
        }
    }
}

} // namespace quord::bench
