// SPDX-License-Identifier: MIT
// TLS for one client connection of quord, as a filter between the socket
// and the records: bytes read from the socket go in and come out as
// plaintext; records go in and come out as bytes for the socket. The
// network keeps doing all socket input and output itself.
#pragma once

#include <openssl/ssl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace quord {

class TlsFilter {
public:
    enum class Input { kOk, kClosed, kFailed };

    // A server side session of the context, waiting for the client's hello;
    // null when OpenSSL cannot make one.
    static std::unique_ptr<TlsFilter> Create(SSL_CTX *context);
    ~TlsFilter();
    TlsFilter(const TlsFilter &) = delete;
    TlsFilter &operator=(const TlsFilter &) = delete;

    // Takes bytes read from the socket: advances the handshake, then
    // decrypts into plaintext(). kClosed when the client said goodbye,
    // kFailed (see failure()) when the session broke.
    Input Receive(const std::uint8_t *data, std::size_t size);
    // Decrypted bytes not yet taken by the caller, who erases what it used.
    std::string &plaintext() { return plaintext_; }

    // Encrypts bytes for the client; held back until the handshake is done.
    void Send(const std::uint8_t *data, std::size_t size);
    // Adds the goodbye (close_notify) after everything sent so far.
    void Goodbye();
    // Appends the bytes waiting to go to the socket to out.
    void TakeOutput(std::string &out);

    bool handshakeDone() const { return handshakeDone_; }
    // OpenSSL's reason for a failed session.
    const std::string &failure() const { return failure_; }
    // Protocol version and cipher, once the handshake is done.
    std::string Description() const;

private:
    explicit TlsFilter(SSL *ssl) : ssl_(ssl) {}
    Input Fail(int result);

    SSL *ssl_;
    bool handshakeDone_ = false;
    std::string held_; // plaintext sent before the handshake was done
    std::string plaintext_;
    std::string failure_;
};

} // namespace quord
