// SPDX-License-Identifier: MIT
#include "proxy_handshake.h"

#include <openssl/crypto.h>

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace quor {

namespace {

bool WouldBlock(int err) {
    return err == EAGAIN || err == EWOULDBLOCK;
}

} // namespace

std::unique_ptr<ProxyHandshake> ProxyHandshake::Create(const ProxySettings &proxy, int fd,
                                                       const std::string &host, int port) {
    return proxy.type == QUOR_PROXY_SOCKS5 ? NewSocks5Handshake(proxy, fd, host, port)
                                           : NewHttpConnectHandshake(proxy, fd, host, port);
}

OpenResult ProxyHandshake::Step() {
    for (;;) {
        OpenResult blocked;
        if (!Flush(blocked)) {
            return blocked;
        }
        switch (Receive()) {
        case Reception::kWaiting:
            return {OpenResult::kWantRead};
        case Reception::kFailed:
            return Refused();
        case Reception::kComplete:
            break;
        }
        const std::string answer = std::move(in_);
        in_.clear();
        const OpenResult verdict = Answered(answer);
        if (verdict.kind != OpenResult::kWantRead) {
            return verdict;
        }
    }
}

bool ProxyHandshake::Flush(OpenResult &blocked) {
    while (sent_ < out_.size()) {
        const ssize_t n = ::send(fd_, out_.data() + sent_, out_.size() - sent_, MSG_NOSIGNAL);
        if (n >= 0) {
            sent_ += static_cast<std::size_t>(n);
        } else if (errno == EINTR) {
            continue;
        } else {
            // A proxy that hangs up on the request refuses it.
            blocked = WouldBlock(errno) ? OpenResult{OpenResult::kWantWrite} : Refused();
            return false;
        }
    }
    OPENSSL_cleanse(out_.data(), out_.size()); // credentials are not left in memory
    out_.clear();
    sent_ = 0;
    return true;
}

ProxyHandshake::Reception ProxyHandshake::Receive() {
    if (headers_) {
        return ReceiveHeaders();
    }
    while (in_.size() < expected_) {
        char chunk[512];
        const std::size_t ask = std::min(expected_ - in_.size(), sizeof chunk);
        const ssize_t n = ::recv(fd_, chunk, ask, 0);
        if (n > 0) {
            in_.append(chunk, static_cast<std::size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return n < 0 && WouldBlock(errno) ? Reception::kWaiting : Reception::kFailed;
        }
    }
    return Reception::kComplete;
}

ProxyHandshake::Reception ProxyHandshake::ReceiveHeaders() {
    static constexpr std::string_view kEnd = "\r\n\r\n";
    for (;;) {
        if (in_.size() >= kMaxProxyHeaderBytes) {
            return Reception::kFailed;
        }
        char chunk[1024];
        const std::size_t ask = std::min(kMaxProxyHeaderBytes - in_.size(), sizeof chunk);
        const ssize_t n = ::recv(fd_, chunk, ask, MSG_PEEK);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) {
                continue;
            }
            return n < 0 && WouldBlock(errno) ? Reception::kWaiting : Reception::kFailed;
        }
        const std::size_t before = in_.size();
        in_.append(chunk, static_cast<std::size_t>(n));
        // The blank line may have begun in the bytes taken before.
        const std::size_t end = in_.find(kEnd, before < kEnd.size() ? 0 : before - kEnd.size() + 1);
        if (end != std::string::npos) {
            in_.resize(end + kEnd.size());
        }
        // Takes exactly the peeked bytes that belong to the answer.
        ::recv(fd_, chunk, in_.size() - before, 0);
        if (end != std::string::npos) {
            return Reception::kComplete;
        }
    }
}

} // namespace quor
