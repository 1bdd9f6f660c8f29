// SPDX-License-Identifier: MIT
#include "text_stream_server.h"

#include "scripted_server.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <openssl/ssl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace quor::bench {

namespace {

// Texts are written in batches of this many records, one write call each
// (in TLS: one SSL_write, cut into TLS records of 16 KiB).
constexpr std::size_t kBatchRecords = 256;

// One served client: a blocking socket, with TLS over it or not.
struct Peer {
    int fd;
    SSL *ssl;

    // Like recv and send: bytes moved, or 0 or less when the client is gone.
    long Read(std::uint8_t *data, std::size_t n) const {
        if (ssl != nullptr) {
            std::size_t got = 0;
            return SSL_read_ex(ssl, data, n, &got) == 1 ? static_cast<long>(got) : -1;
        }
        return ::recv(fd, data, n, 0);
    }
    long Write(const std::uint8_t *data, std::size_t n) const {
        if (ssl != nullptr) {
            std::size_t sent = 0;
            return SSL_write_ex(ssl, data, n, &sent) == 1 ? static_cast<long>(sent) : -1;
        }
        return ::send(fd, data, n, MSG_NOSIGNAL);
    }
};

bool ReadExactly(const Peer &peer, std::uint8_t *data, std::size_t n) {
    while (n > 0) {
        const long got = peer.Read(data, n);
        if (got <= 0) {
            if (got < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
        data += got;
        n -= static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteAll(const Peer &peer, const std::uint8_t *data, std::size_t n) {
    while (n > 0) {
        const long sent = peer.Write(data, n);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += sent;
        n -= static_cast<std::size_t>(sent);
    }
    return true;
}

} // namespace

TextStreamServer::TextStreamServer(std::size_t records, std::string recipient,
                                   std::size_t textLength, SSL_CTX *tls)
    : records_(records), recipient_(std::move(recipient)), textLength_(textLength), tls_(tls),
      listenFd_(quor::testing::ListenOnLoopback(SOCK_CLOEXEC, port_)) {}

TextStreamServer::~TextStreamServer() {
    if (worker_.joinable()) {
        // Unblocks a worker still waiting for a client that never came.
        ::shutdown(listenFd_, SHUT_RDWR);
        worker_.join();
    }
    ::close(listenFd_);
}

void TextStreamServer::ServeOneClient() {
    worker_ = std::thread([this] { served_ = Serve(); });
}

bool TextStreamServer::Finish() {
    worker_.join();
    return served_;
}

bool TextStreamServer::Serve() {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    Peer peer{fd, tls_ != nullptr ? SSL_new(tls_) : nullptr};
    if (peer.ssl != nullptr) {
        SSL_set_fd(peer.ssl, fd);
    }
    QuorMessage opening;
    bool ok = (tls_ == nullptr || (peer.ssl != nullptr && SSL_accept(peer.ssl) == 1)) &&
              ReadExactly(peer, opening.bytes.data(), kRecordSize) && opening.id() == 1;
    if (ok) {
        QuorMessage accepted;
        accepted.setId(wire::kLoggedOnUser);
        accepted.setFormat(1);
        accepted.setSender("$server");
        accepted.setRecipient(recipient_);
        ok = WriteAll(peer, accepted.bytes.data(), kRecordSize);
    }

    QuorMessage text;
    text.setId(wire::kText);
    text.setFormat(0);
    text.setSender("anna");
    text.setRecipient(recipient_);
    text.setRawText(std::string(textLength_, 't'));
    std::vector<std::uint8_t> batch;
    batch.reserve(kBatchRecords * kRecordSize);
    for (std::size_t i = 0; i < kBatchRecords; ++i) {
        batch.insert(batch.end(), text.bytes.begin(), text.bytes.end());
    }
    for (std::size_t left = records_; ok && left > 0;) {
        const std::size_t count = std::min(left, kBatchRecords);
        ok = WriteAll(peer, batch.data(), count * kRecordSize);
        left -= count;
    }
    if (peer.ssl != nullptr) {
        SSL_shutdown(peer.ssl);
        SSL_free(peer.ssl);
    }
    ::close(fd);
    return ok;
}

} // namespace quor::bench
