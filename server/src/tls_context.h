// SPDX-License-Identifier: MIT
// quord's TLS server context: the certificate chain and private key it
// presents, the protocol versions it accepts.
#pragma once

#include <openssl/ssl.h>

#include <memory>
#include <string>

namespace quord {

class ServerTlsContext {
public:
    // Loads the PEM certificate chain and the matching private key. Throws
    // std::runtime_error naming the file and OpenSSL's reason.
    ServerTlsContext(const std::string &certFile, const std::string &keyFile);
    ~ServerTlsContext();
    ServerTlsContext(const ServerTlsContext &) = delete;
    ServerTlsContext &operator=(const ServerTlsContext &) = delete;

    SSL_CTX *ssl() const { return ctx_; }

private:
    SSL_CTX *ctx_ = nullptr;
};

// OpenSSL's reason for the oldest error in the thread's queue, which is
// emptied; fallback when the queue is empty.
std::string TakeTlsError(const std::string &fallback);

} // namespace quord
