#include "text_stream_server.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

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

// Texts are written in batches of this many records, one send call each.
constexpr std::size_t kBatchRecords = 256;

bool ReadExactly(int fd, std::uint8_t *data, std::size_t n) {
    while (n > 0) {
        const ssize_t got = ::recv(fd, data, n, 0);
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

bool WriteAll(int fd, const std::uint8_t *data, std::size_t n) {
    while (n > 0) {
        const ssize_t sent = ::send(fd, data, n, MSG_NOSIGNAL);
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
                                   std::size_t textLength)
    : records_(records), recipient_(std::move(recipient)), textLength_(textLength) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr *>(&addr), len) != 0 ||
        ::listen(listenFd_, 4) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        throw std::runtime_error("text stream server: cannot listen on 127.0.0.1");
    }
    port_ = ntohs(addr.sin_port);
}

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
    QuorMessage opening;
    bool ok = ReadExactly(fd, opening.bytes.data(), kRecordSize) && opening.id() == 1;
    if (ok) {
        QuorMessage accepted;
        accepted.setId(wire::kLoggedOnUser);
        accepted.setFormat(1);
        accepted.setSender("$server");
        accepted.setRecipient(recipient_);
        ok = WriteAll(fd, accepted.bytes.data(), kRecordSize);
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
        ok = WriteAll(fd, batch.data(), count * kRecordSize);
        left -= count;
    }
    ::close(fd);
    return ok;
}

} // namespace quor::bench
