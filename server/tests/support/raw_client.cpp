// SPDX-License-Identifier: MIT
#include "raw_client.h"

#include <arpa/inet.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace quord::testing {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

} // namespace

quor::QuorMessage ClientRecord(std::int32_t id, std::string_view sender, std::string_view recipient,
                               std::string_view signature,
                               const std::vector<quor::FieldValue> &values) {
    quor::QuorMessage record;
    record.setSender(sender);
    record.setRecipient(recipient);
    quor::PackFields(record, id, 1, signature, values);
    return record;
}

quor::QuorMessage TextRecord(std::string_view recipient, std::string_view text) {
    quor::QuorMessage record;
    record.setId(2);
    record.setRecipient(recipient);
    record.setRawText(text);
    return record;
}

std::optional<ErrorReply> AsErrorReply(const quor::QuorMessage &record) {
    ErrorReply reply;
    reply.error = record.id();
    if (reply.error < 100 || reply.error > 199 ||
        !quor::ExpectFields(record, reply.error, 1, "ds", {&reply.request, &reply.name})) {
        return std::nullopt;
    }
    return reply;
}

RawClient::RawClient(int port, const char *from) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from, &local.sin_addr);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd_ >= 0 && (::bind(fd_, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 ||
                     ::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)) {
        ::close(fd_);
        fd_ = -1;
    }
}

RawClient::~RawClient() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool RawClient::Send(const quor::QuorMessage &record) {
    if (!unsent_.empty() && !SendBytes(unsent_.data(), unsent_.size())) {
        return false;
    }
    unsent_.clear();
    return SendBytes(record.bytes.data(), record.bytes.size());
}

std::size_t RawClient::Flood(const quor::QuorMessage &record, std::size_t count, int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    std::size_t begun = 0;
    for (;;) {
        if (unsent_.empty()) {
            if (begun == count) {
                return begun;
            }
            unsent_.assign(reinterpret_cast<const char *>(record.bytes.data()), quor::kRecordSize);
        }
        const bool fresh = unsent_.size() == quor::kRecordSize;
        const ssize_t n = ::send(fd_, unsent_.data(), unsent_.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0) {
            begun += fresh ? 1 : 0;
            unsent_.erase(0, static_cast<std::size_t>(n));
            continue;
        }
        pollfd pfd{fd_, POLLOUT, 0};
        if (n == 0 || errno != EAGAIN || ::poll(&pfd, 1, MillisecondsLeft(deadline)) <= 0) {
            if (fresh) {
                unsent_.clear(); // not begun
            }
            return begun;
        }
    }
}

int RawClient::Unacknowledged() const {
    int bytes = 0;
    ::ioctl(fd_, SIOCOUTQ, &bytes);
    return bytes;
}

bool RawClient::SendBytes(const void *data, std::size_t size) {
    const auto *p = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = ::send(fd_, p, size, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<quor::QuorMessage> RawClient::Read(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (buffer_.size() < quor::kRecordSize) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, MillisecondsLeft(deadline)) <= 0) {
            return std::nullopt;
        }
        char chunk[4096];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return std::nullopt;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
    quor::QuorMessage record;
    std::copy_n(buffer_.begin(), quor::kRecordSize, record.bytes.begin());
    buffer_.erase(0, quor::kRecordSize);
    std::int32_t stamp = 0;
    if (answersPings_ && quor::ExpectFields(record, 500, 1, "d", {&stamp})) {
        Send(ClientRecord(501, "", record.sender(), "d", {stamp}));
    }
    return record;
}

std::optional<quor::QuorMessage> RawClient::ReadId(std::int32_t id, int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (auto record = Read(MillisecondsLeft(deadline))) {
        if (record->id() == id) {
            return record;
        }
    }
    return std::nullopt;
}

bool RawClient::WaitClosed(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        pollfd pfd{fd_, POLLIN, 0};
        if (::poll(&pfd, 1, MillisecondsLeft(deadline)) <= 0) {
            return false;
        }
        char chunk[4096];
        const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return true;
        }
    }
}

std::int32_t RawClient::Login(const std::string &user, const std::string &password,
                              std::int32_t build) {
    Send(ClientRecord(1, user, "", "ssdd", {user, password, build, 1}));
    const std::optional<quor::QuorMessage> answer = Read();
    return answer ? answer->id() : 0;
}

} // namespace quord::testing
