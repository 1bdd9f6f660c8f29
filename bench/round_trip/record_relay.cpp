// SPDX-License-Identifier: MIT
#include "record_relay.h"

#include "scripted_server.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace quor::bench {

namespace {

constexpr int kPollMs = 100;

// One client: a blocking socket, with TLS over it or not, and the part of
// its next record read so far.
struct Client {
    int fd = -1;
    SSL *ssl = nullptr;
    QuorMessage partial;
    std::size_t fill = 0;

    ~Client() {
        SSL_free(ssl);
        if (fd >= 0) {
            ::close(fd);
        }
    }
    bool Buffered() const { return ssl != nullptr && SSL_pending(ssl) > 0; }
    long Read(std::uint8_t *data, std::size_t n) {
        if (ssl == nullptr) {
            return ::recv(fd, data, n, 0);
        }
        std::size_t got = 0;
        return SSL_read_ex(ssl, data, n, &got) == 1 ? static_cast<long>(got) : -1;
    }
    bool Write(const QuorMessage &m) {
        if (ssl == nullptr) {
            return ::send(fd, m.bytes.data(), kRecordSize, MSG_NOSIGNAL) ==
                   static_cast<ssize_t>(kRecordSize);
        }
        std::size_t sent = 0;
        return SSL_write_ex(ssl, m.bytes.data(), kRecordSize, &sent) == 1;
    }
    // Reads what is there towards the next record; true when it is whole.
    // False in `alive` once the client is gone.
    bool ReadRecord(bool &alive) {
        const long n = Read(partial.bytes.data() + fill, kRecordSize - fill);
        alive = n > 0 || (n < 0 && errno == EINTR);
        fill += n > 0 ? static_cast<std::size_t>(n) : 0;
        if (fill < kRecordSize) {
            return false;
        }
        fill = 0;
        return true;
    }
};

bool Accept(int listenFd, SSL_CTX *tls, const std::atomic<bool> &stop, Client &client) {
    pollfd ready{listenFd, POLLIN, 0};
    while (!stop && ::poll(&ready, 1, kPollMs) == 0) {
    }
    client.fd = stop ? -1 : ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (client.fd < 0) {
        return false;
    }
    const int on = 1;
    setsockopt(client.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (tls != nullptr) {
        client.ssl = SSL_new(tls);
        if (client.ssl == nullptr || SSL_set_fd(client.ssl, client.fd) != 1 ||
            SSL_accept(client.ssl) != 1) {
            return false;
        }
    }
    // The opening request, answered with acceptance.
    bool alive = true;
    while (!client.ReadRecord(alive)) {
        if (!alive) {
            return false;
        }
    }
    QuorMessage accepted;
    accepted.setSender("$server");
    PackFields(accepted, wire::kLoggedOnUser, 1, "", {});
    return client.Write(accepted);
}

} // namespace

RecordRelay::RecordRelay(SSL_CTX *tls)
    : tls_(tls), listenFd_(quor::testing::ListenOnLoopback(SOCK_CLOEXEC, port_)),
      worker_([this] { Serve(); }) {}

RecordRelay::~RecordRelay() {
    stop_ = true;
    worker_.join();
    ::close(listenFd_);
}

void RecordRelay::Serve() {
    Client clients[2];
    if (!Accept(listenFd_, tls_, stop_, clients[0]) ||
        !Accept(listenFd_, tls_, stop_, clients[1])) {
        return;
    }
    pollfd ready[2] = {{clients[0].fd, POLLIN, 0}, {clients[1].fd, POLLIN, 0}};
    while (!stop_) {
        const bool buffered = clients[0].Buffered() || clients[1].Buffered();
        if (!buffered && ::poll(ready, 2, kPollMs) <= 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if ((ready[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0 && !clients[i].Buffered()) {
                continue;
            }
            bool alive = true;
            if (clients[i].ReadRecord(alive) && !clients[1 - i].Write(clients[i].partial)) {
                return;
            }
            if (!alive) {
                return;
            }
        }
        ready[0].revents = ready[1].revents = 0;
    }
}

} // namespace quor::bench
