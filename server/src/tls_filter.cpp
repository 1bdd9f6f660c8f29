// SPDX-License-Identifier: MIT
#include "tls_filter.h"

#include "tls_context.h"

#include <openssl/err.h>

namespace quord {

std::unique_ptr<TlsFilter> TlsFilter::Create(SSL_CTX *context) {
    SSL *ssl = SSL_new(context);
    BIO *in = BIO_new(BIO_s_mem());
    BIO *out = BIO_new(BIO_s_mem());
    if (ssl == nullptr || in == nullptr || out == nullptr) {
        BIO_free(in);
        BIO_free(out);
        SSL_free(ssl);
        ERR_clear_error();
        return nullptr;
    }
    // An empty input means "more to come", not the end of the stream.
    BIO_set_mem_eof_return(in, -1);
    SSL_set_bio(ssl, in, out);
    SSL_set_accept_state(ssl);
    return std::unique_ptr<TlsFilter>(new TlsFilter(ssl));
}

TlsFilter::~TlsFilter() {
    SSL_free(ssl_);
}

TlsFilter::Input TlsFilter::Receive(const std::uint8_t *data, std::size_t size) {
    BIO_write(SSL_get_rbio(ssl_), data, static_cast<int>(size));
    if (!handshakeDone_) {
        const int result = SSL_do_handshake(ssl_);
        if (result != 1) {
            return Fail(result);
        }
        handshakeDone_ = true;
        if (!held_.empty()) {
            Send(reinterpret_cast<const std::uint8_t *>(held_.data()), held_.size());
            held_.clear();
        }
    }
    std::uint8_t chunk[16384];
    std::size_t n = 0;
    while (SSL_read_ex(ssl_, chunk, sizeof chunk, &n) == 1) {
        plaintext_.append(reinterpret_cast<const char *>(chunk), n);
    }
    return Fail(0);
}

TlsFilter::Input TlsFilter::Fail(int result) {
    switch (SSL_get_error(ssl_, result)) {
    case SSL_ERROR_WANT_READ:
    case SSL_ERROR_WANT_WRITE:
        return Input::kOk; // everything received so far is used
    case SSL_ERROR_ZERO_RETURN:
        ERR_clear_error();
        return Input::kClosed;
    default:
        failure_ = TakeTlsError("the client broke off");
        return Input::kFailed;
    }
}

void TlsFilter::Send(const std::uint8_t *data, std::size_t size) {
    if (!handshakeDone_) {
        held_.append(reinterpret_cast<const char *>(data), size);
        return;
    }
    std::size_t written = 0;
    // Into memory, which takes everything; a broken session fails the next
    // read instead.
    if (SSL_write_ex(ssl_, data, size, &written) != 1) {
        ERR_clear_error();
    }
}

void TlsFilter::Goodbye() {
    if (handshakeDone_ && SSL_shutdown(ssl_) < 0) {
        ERR_clear_error();
    }
}

void TlsFilter::TakeOutput(std::string &out) {
    BIO *bio = SSL_get_wbio(ssl_);
    const std::size_t waiting = BIO_ctrl_pending(bio);
    if (waiting == 0) {
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + waiting);
    const int n = BIO_read(bio, out.data() + start, static_cast<int>(waiting));
    out.resize(start + static_cast<std::size_t>(n > 0 ? n : 0));
}

std::string TlsFilter::Description() const {
    return std::string(SSL_get_version(ssl_)) + " " + SSL_get_cipher_name(ssl_);
}

} // namespace quord
