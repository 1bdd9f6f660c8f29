// SPDX-License-Identifier: MIT
#include "tls_context.h"

#include "socket_bio.h"

#include <openssl/err.h>

namespace quor {

namespace {

constexpr std::size_t kReadAheadBytes =
    4 * (SSL3_RT_MAX_PLAIN_LENGTH + SSL3_RT_MAX_ENCRYPTED_OVERHEAD);

} // namespace

OpenSslFirst::OpenSslFirst() {
    OPENSSL_init_ssl(0, nullptr);
}

std::shared_ptr<const TlsContext> TlsContext::Create(const std::string &caFile) {
    std::shared_ptr<TlsContext> context(new TlsContext);
    context->ctx_ = SSL_CTX_new(TLS_client_method());
    context->socketMethod_ = NewSocketBioMethod();
    SSL_CTX *ctx = context->ctx_;
    const bool made =
        ctx != nullptr && context->socketMethod_ != nullptr &&
        SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION) == 1 &&
        SSL_CTX_set_default_verify_paths(ctx) == 1 &&
        (caFile.empty() || SSL_CTX_load_verify_locations(ctx, caFile.c_str(), nullptr) == 1);
    // Whatever went wrong is told by the result; the error queue is not
    // left for the caller's own OpenSSL calls to trip over.
    ERR_clear_error();
    if (!made) {
        return nullptr;
    }
    // There is no mode that skips verification.
    SSL_CTX_set_verify(ctx, SSL_VERIFY_PEER, nullptr);
    // A record the socket takes only in part is continued from where it
    // stopped, from the send queue's own buffer.
    SSL_CTX_set_mode(ctx, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    // Reads take whole runs of TLS records from the socket at once, up to
    // four full ones; what is not yet asked for waits inside OpenSSL (see
    // TlsStream::Buffered).
    SSL_CTX_set_read_ahead(ctx, 1);
    SSL_CTX_set_default_read_buffer_len(ctx, kReadAheadBytes);
    // A server's request to renegotiate would make writes wait for reads.
    SSL_CTX_set_options(ctx, SSL_OP_NO_RENEGOTIATION);
    return context;
}

TlsContext::~TlsContext() {
    SSL_CTX_free(ctx_);
    BIO_meth_free(socketMethod_);
}

} // namespace quor
