#include "scripted_server.h"

#include "quor_wire/protocol_ids.h"

#include "quor.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace quor::testing {

int UnusedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd, reinterpret_cast<sockaddr *>(&addr), len);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
    ::close(fd);
    return ntohs(addr.sin_port);
}

QuorMessage MakeRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                       std::string_view signature, const std::vector<FieldValue> &values) {
    QuorMessage m;
    m.setSender(sender);
    m.setRecipient(recipient);
    PackFields(m, id, 1, signature, values);
    return m;
}

QuorMessage MakeText(std::string_view sender, std::string_view recipient, std::string_view text) {
    QuorMessage m;
    m.setId(wire::kText);
    m.setSender(sender);
    m.setRecipient(recipient);
    m.setRawText(text);
    return m;
}

std::vector<QuorMessage> MakeList(std::int32_t id, const std::vector<std::string> &items) {
    ListBuilder builder(id, "");
    for (const std::string &item : items) {
        builder.add(item);
    }
    return builder.finish();
}

ScriptedServer::ScriptedServer() {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr *>(&addr), len) != 0 ||
        ::listen(listenFd_, 64) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
        throw std::runtime_error("scripted server: cannot listen on 127.0.0.1");
    }
    port_ = ntohs(addr.sin_port);
}

ScriptedServer::~ScriptedServer() {
    for (int fd : clients_) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    ::close(listenFd_);
}

void ScriptedServer::UseForLibrary() const {
    quor_setserver("127.0.0.1", port_);
}

int ScriptedServer::fdOf(int client) const {
    return clients_.at(client < 0 ? clients_.size() - 1 : static_cast<std::size_t>(client));
}

int ScriptedServer::Accept(int timeoutMs) {
    int fd = -1;
    PumpUntil(
        [&] {
            fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            return fd >= 0;
        },
        timeoutMs);
    if (fd < 0) {
        return -1;
    }
    clients_.push_back(fd);
    pending_.emplace_back();
    return static_cast<int>(clients_.size()) - 1;
}

void ScriptedServer::Send(const QuorMessage &record, int client) {
    SendRaw(record.bytes.data(), record.bytes.size(), client);
}

void ScriptedServer::SendRaw(const void *data, std::size_t n, int client) {
    const int fd = fdOf(client);
    const auto *p = static_cast<const std::uint8_t *>(data);
    while (n > 0) {
        const ssize_t sent = ::send(fd, p, n, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                quor_pump(1);
                continue;
            }
            throw std::runtime_error("scripted server: send failed");
        }
        p += sent;
        n -= static_cast<std::size_t>(sent);
    }
}

std::optional<QuorMessage> ScriptedServer::Read(int timeoutMs, int client) {
    const std::size_t index = client < 0 ? clients_.size() - 1 : static_cast<std::size_t>(client);
    const int fd = clients_.at(index);
    auto &buffer = pending_.at(index);
    const bool complete = PumpUntil(
        [&] {
            std::uint8_t chunk[kRecordSize];
            const std::size_t want = kRecordSize - std::min(buffer.size(), kRecordSize);
            if (want > 0) {
                const ssize_t n = ::recv(fd, chunk, want, 0);
                if (n > 0) {
                    buffer.insert(buffer.end(), chunk, chunk + n);
                }
            }
            return buffer.size() >= kRecordSize;
        },
        timeoutMs);
    if (!complete) {
        return std::nullopt;
    }
    QuorMessage m;
    std::copy(buffer.begin(), buffer.begin() + kRecordSize, m.bytes.begin());
    buffer.erase(buffer.begin(), buffer.begin() + kRecordSize);
    return m;
}

bool ScriptedServer::Silent(int ms, int client) {
    const int fd = fdOf(client);
    bool arrived = false;
    PumpUntil(
        [&] {
            std::uint8_t byte;
            arrived = ::recv(fd, &byte, 1, MSG_PEEK) > 0;
            return arrived;
        },
        ms);
    return !arrived;
}

bool ScriptedServer::ClientClosed(int timeoutMs, int client) {
    const int fd = fdOf(client);
    return PumpUntil(
        [&] {
            std::uint8_t byte;
            const ssize_t n = ::recv(fd, &byte, 1, MSG_PEEK);
            return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
        },
        timeoutMs);
}

void ScriptedServer::Close(int client) {
    const std::size_t index = client < 0 ? clients_.size() - 1 : static_cast<std::size_t>(client);
    if (clients_.at(index) >= 0) {
        ::close(clients_[index]);
        clients_[index] = -1;
    }
}

void ScriptedServer::Reset(int client) {
    linger hard{1, 0};
    setsockopt(fdOf(client), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    Close(client);
}

std::optional<QuorMessage> ScriptedServer::AcceptOpening(std::int32_t replyId, int timeoutMs) {
    if (Accept(timeoutMs) < 0) {
        return std::nullopt;
    }
    auto opening = Read(timeoutMs);
    if (opening && replyId != 0) {
        Send(MakeRecord(replyId, "$server", ""));
    }
    return opening;
}

} // namespace quor::testing
