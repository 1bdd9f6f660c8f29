// SPDX-License-Identifier: MIT
#include "tls_stream.h"

#include "socket_bio.h"
#include "socket_errors.h"

#include "quor.h"

#include <openssl/err.h>
#include <openssl/x509v3.h>

#include <arpa/inet.h>

#include <cerrno>

namespace quor {

namespace {

bool IsNumericAddress(const std::string &host) {
    unsigned char address[sizeof(in6_addr)];
    return inet_pton(AF_INET, host.c_str(), address) == 1 ||
           inet_pton(AF_INET6, host.c_str(), address) == 1;
}

// The certificate must name the host the user asked for: an address is
// matched against the certificate's IP entries; a name against its DNS
// entries, and it is also sent as SNI (which carries names only).
bool ExpectHost(SSL *ssl, const std::string &host) {
    if (IsNumericAddress(host)) {
        return X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str()) == 1;
    }
    SSL_set_hostflags(ssl, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    return SSL_set1_host(ssl, host.c_str()) == 1 &&
           SSL_set_tlsext_host_name(ssl, host.c_str()) == 1;
}

// OpenSSL's error queue belongs to the thread, not to one connection: each
// call starts with it empty, so that SSL_get_error speaks of that call only.
// Emptying it costs more than a record's read, and it is nearly always
// empty already, so it is looked at first.
void ClearErrors() {
    if (ERR_peek_error() != 0) {
        ERR_clear_error();
    }
}

} // namespace

std::unique_ptr<TlsStream> TlsStream::Create(std::shared_ptr<const TlsContext> context, int fd,
                                             const std::string &host) {
    ClearErrors();
    SSL *ssl = SSL_new(context->ssl());
    if (ssl == nullptr) {
        ClearErrors();
        return nullptr;
    }
    std::unique_ptr<TlsStream> stream(new TlsStream(std::move(context), ssl));
    BIO *bio = NewSocketBio(stream->context_->socketMethod(), fd);
    if (bio == nullptr || !ExpectHost(ssl, host)) {
        BIO_free(bio);
        ClearErrors();
        return nullptr;
    }
    SSL_set_bio(ssl, bio, bio); // the SSL object owns the BIO from here on
    SSL_set_connect_state(ssl);
    return stream;
}

TlsStream::TlsStream(std::shared_ptr<const TlsContext> context, SSL *ssl)
    : context_(std::move(context)), ssl_(ssl) {}

TlsStream::~TlsStream() {
    SSL_free(ssl_);
}

OpenResult TlsStream::Open() {
    ClearErrors();
    const int result = SSL_do_handshake(ssl_);
    if (result == 1) {
        return {OpenResult::kDone};
    }
    switch (SSL_get_error(ssl_, result)) {
    case SSL_ERROR_WANT_READ:
        return {OpenResult::kWantRead};
    case SSL_ERROR_WANT_WRITE:
        return {OpenResult::kWantWrite};
    default:
        usable_ = false;
        const int code = HandshakeFailure();
        ClearErrors();
        return {OpenResult::kFailed, code};
    }
}

int TlsStream::HandshakeFailure() const {
    switch (SSL_get_verify_result(ssl_)) {
    case X509_V_OK:
        // Not a verdict on the certificate: the peer closed, spoke no TLS,
        // or offered nothing acceptable.
        return QUOR_ERR_TLS_HANDSHAKE;
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
        return QUOR_ERR_TLS_HOST_MISMATCH;
    default:
        return QUOR_ERR_TLS_UNTRUSTED;
    }
}

StreamResult TlsStream::Read(std::size_t size) {
    if (!plain_.holds()) {
        const StreamResult refill = Decrypt();
        if (refill.kind != StreamResult::kBytes) {
            return refill;
        }
    }
    return plain_.take(size);
}

StreamResult TlsStream::Decrypt() {
    ClearErrors();
    errno = 0;
    std::size_t n = 0;
    if (SSL_read_ex(ssl_, plain_.space(), plain_.capacity(), &n) == 1) {
        readWaitsForWrite_ = false;
        // Whatever a waiting write needed from the peer has come by now.
        writeWaitsForRead_ = false;
        plain_.filled(n);
        return {StreamResult::kBytes, n};
    }
    const int err = errno;
    const int error = SSL_get_error(ssl_, 0);
    readWaitsForWrite_ = error == SSL_ERROR_WANT_WRITE;
    switch (error) {
    case SSL_ERROR_WANT_READ:
        writeWaitsForRead_ = false;
        return {StreamResult::kWouldBlock};
    case SSL_ERROR_WANT_WRITE:
        return {StreamResult::kWouldBlock};
    case SSL_ERROR_ZERO_RETURN:
        return {StreamResult::kClosed}; // the peer's close_notify
    default:
        return Failed(error, err, true);
    }
}

StreamResult TlsStream::Write(const std::uint8_t *data, std::size_t size) {
    ClearErrors();
    errno = 0;
    std::size_t n = 0;
    if (SSL_write_ex(ssl_, data, size, &n) == 1) {
        writeWaitsForRead_ = false;
        return {StreamResult::kBytes, n};
    }
    const int err = errno;
    const int error = SSL_get_error(ssl_, 0);
    writeWaitsForRead_ = error == SSL_ERROR_WANT_READ;
    if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) {
        return {StreamResult::kWouldBlock};
    }
    return Failed(error, err, false);
}

StreamResult TlsStream::Failed(int sslError, int err, bool reading) {
    usable_ = false;
    // A socket failure keeps its number. A stream that just ends without the
    // peer's close_notify is read as the peer's close; on a write, and for
    // a failure in TLS itself, the stream counts as reset by the peer: it
    // can carry nothing more either way.
    const bool socketFailed = sslError == SSL_ERROR_SYSCALL && err != 0;
    const unsigned long queued = ERR_peek_error();
    const bool ended = !socketFailed && (queued == 0 || ERR_GET_REASON(queued) ==
                                                            SSL_R_UNEXPECTED_EOF_WHILE_READING);
    ClearErrors();
    if (ended && reading) {
        return {StreamResult::kClosed};
    }
    return {StreamResult::kFailed, 0,
            socketFailed ? SocketErrorFromErrno(err) : kWsaConnectionReset, true};
}

bool TlsStream::Buffered() const {
    return plain_.holds() || SSL_has_pending(ssl_) == 1;
}

void TlsStream::Shutdown() {
    if (usable_ && SSL_is_init_finished(ssl_)) {
        ClearErrors();
        // One attempt: the socket closes right after, so the peer's answer
        // is not waited for.
        SSL_shutdown(ssl_);
        ClearErrors();
        usable_ = false;
    }
}

} // namespace quor
