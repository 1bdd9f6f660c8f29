// SPDX-License-Identifier: MIT
#include "tls_context.h"

#include <openssl/err.h>

#include <stdexcept>

namespace quord {

std::string TakeTlsError(const std::string &fallback) {
    const unsigned long error = ERR_peek_error();
    const char *reason = error != 0 ? ERR_reason_error_string(error) : nullptr;
    ERR_clear_error();
    return reason != nullptr ? reason : fallback;
}

ServerTlsContext::ServerTlsContext(const std::string &certFile, const std::string &keyFile) {
    ctx_ = SSL_CTX_new(TLS_server_method());
    const auto fail = [this](const std::string &what) {
        const std::string reason = TakeTlsError("unknown reason");
        SSL_CTX_free(ctx_);
        throw std::runtime_error(what + ": " + reason);
    };
    if (ctx_ == nullptr || SSL_CTX_set_min_proto_version(ctx_, TLS1_2_VERSION) != 1) {
        fail("cannot set up TLS");
    }
    if (SSL_CTX_use_certificate_chain_file(ctx_, certFile.c_str()) != 1) {
        fail("cannot load the TLS certificate " + certFile);
    }
    // Also refuses a key that does not belong to the certificate.
    if (SSL_CTX_use_PrivateKey_file(ctx_, keyFile.c_str(), SSL_FILETYPE_PEM) != 1) {
        fail("cannot load the TLS key " + keyFile);
    }
    // Clients never resume sessions, and renegotiation only costs the
    // server work; idle connections give their buffers back.
    SSL_CTX_set_num_tickets(ctx_, 0);
    SSL_CTX_set_options(ctx_, SSL_OP_NO_RENEGOTIATION);
    SSL_CTX_set_mode(ctx_, SSL_MODE_RELEASE_BUFFERS);
}

ServerTlsContext::~ServerTlsContext() {
    SSL_CTX_free(ctx_);
}

} // namespace quord
