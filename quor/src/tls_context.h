// SPDX-License-Identifier: MIT
// The library's TLS client context: which servers it trusts (the system's
// trust store and an optional CA file), the protocol versions it accepts
// and the socket BIO its connections use. Connections share it; each keeps
// it alive while it needs it.
#pragma once

#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace quor {

// Initialises OpenSSL on construction. The object that holds one as its
// first member is destroyed before OpenSSL's own clean-up at exit runs, so
// the TLS objects it frees then are freed while OpenSSL still works.
struct OpenSslFirst {
    OpenSslFirst();
};

class TlsContext {
public:
    // A context that verifies servers against the system's trust store and,
    // when caFile is not empty, against the certificates in that PEM file.
    // Null when OpenSSL cannot make it or the file cannot be read.
    static std::shared_ptr<const TlsContext> Create(const std::string &caFile);

    ~TlsContext();
    TlsContext(const TlsContext &) = delete;
    TlsContext &operator=(const TlsContext &) = delete;

    SSL_CTX *ssl() const { return ctx_; }
    const BIO_METHOD *socketMethod() const { return socketMethod_; }

private:
    TlsContext() = default;

    SSL_CTX *ctx_ = nullptr;
    BIO_METHOD *socketMethod_ = nullptr;
};

} // namespace quor
