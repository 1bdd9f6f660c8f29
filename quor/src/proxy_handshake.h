// SPDX-License-Identifier: MIT
// The tunnel through a proxy: after the TCP connect to the proxy and before
// the stream's own opening (the TLS handshake), the connection asks the
// proxy for a tunnel to the chat server, one non-blocking step at a time on
// its socket, like the TLS handshake. Nothing past the proxy's answer is
// read, so whatever the server sends through the tunnel right after it
// stays in the socket for the stream.
#pragma once

#include "byte_stream.h"

#include "quor.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace quor {

struct ProxySettings {
    int type = QUOR_PROXY_NONE;
    std::string host;
    int port = 0;
    // Credentials are offered only when the user name is not empty.
    std::string user;
    std::string password;
};

// The longest user name and password: SOCKS5 sends each behind a one-byte
// length.
inline constexpr std::size_t kMaxProxyCredential = 255;
// The most an HTTP proxy's answer may hold, status line and headers.
inline constexpr std::size_t kMaxProxyHeaderBytes = 8192;

class ProxyHandshake {
public:
    // A handshake on fd asking the proxy for a tunnel to host and port;
    // null when this kind of proxy cannot be asked for that host (a name
    // too long for SOCKS5, or one with blanks or control characters).
    static std::unique_ptr<ProxyHandshake> Create(const ProxySettings &proxy, int fd,
                                                  const std::string &host, int port);
    virtual ~ProxyHandshake() = default;
    ProxyHandshake(const ProxyHandshake &) = delete;
    ProxyHandshake &operator=(const ProxyHandshake &) = delete;

    // Sends and reads what the socket allows: kDone once the tunnel
    // stands; kWantRead or kWantWrite to be called again on that
    // readiness; kFailed with QUOR_ERR_PROXY_AUTH for credentials the proxy
    // did not take, else QUOR_ERR_PROXY_REFUSED (a refusal, an answer not
    // understood, or a proxy that hung up).
    OpenResult Step();

protected:
    explicit ProxyHandshake(int fd) : fd_(fd) {}

    // Bytes to send before the next answer is read.
    void Send(std::string_view bytes) { out_.append(bytes); }
    // The next answer: exactly n bytes, or, for headers, everything up to
    // and with the blank line that ends them.
    void Expect(std::size_t n) {
        expected_ = n;
        headers_ = false;
    }
    void ExpectHeaders() { headers_ = true; }

    // What a complete answer means: kDone, kFailed, or kWantRead after
    // asking for the next answer (and queuing what to send first).
    virtual OpenResult Answered(std::string_view answer) = 0;

    static OpenResult GoOn() { return {OpenResult::kWantRead}; }
    static OpenResult Open() { return {OpenResult::kDone}; }
    static OpenResult Refused() { return {OpenResult::kFailed, QUOR_ERR_PROXY_REFUSED}; }
    static OpenResult AuthFailed() { return {OpenResult::kFailed, QUOR_ERR_PROXY_AUTH}; }

private:
    enum class Reception { kComplete, kWaiting, kFailed };
    // Sends what is queued; false, with the step's result, when it cannot
    // all go now.
    bool Flush(OpenResult &blocked);
    Reception Receive();
    // Headers are looked at before they are taken, and taken only up to
    // the blank line.
    Reception ReceiveHeaders();

    int fd_;
    std::string out_;
    std::size_t sent_ = 0;
    std::string in_;
    std::size_t expected_ = 0;
    bool headers_ = false;
};

// The two kinds that Create chooses from, with the same arguments and
// results.
std::unique_ptr<ProxyHandshake> NewSocks5Handshake(const ProxySettings &proxy, int fd,
                                                   const std::string &host, int port);
std::unique_ptr<ProxyHandshake> NewHttpConnectHandshake(const ProxySettings &proxy, int fd,
                                                        const std::string &host, int port);

} // namespace quor
