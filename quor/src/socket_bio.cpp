// SPDX-License-Identifier: MIT
#include "socket_bio.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstdint>

namespace quor {

namespace {

// The descriptor is kept in the BIO's data pointer; BIO_get_init tells
// whether it was set. The end of the stream is kept in the BIO's flags,
// which OpenSSL asks through BIO_CTRL_EOF to tell a truncated stream from
// a broken one.
constexpr int kEndOfStreamFlag = BIO_FLAGS_IN_EOF;

int FdOf(BIO *bio) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(BIO_get_data(bio)));
}

bool WouldBlock(int err) {
    return err == EAGAIN || err == EWOULDBLOCK || err == EINTR;
}

int Write(BIO *bio, const char *data, std::size_t size, std::size_t *written) {
    BIO_clear_retry_flags(bio);
    const ssize_t n = ::send(FdOf(bio), data, size, MSG_NOSIGNAL);
    if (n >= 0) {
        *written = static_cast<std::size_t>(n);
        return 1;
    }
    if (WouldBlock(errno)) {
        BIO_set_retry_write(bio);
    }
    return 0;
}

int Read(BIO *bio, char *data, std::size_t size, std::size_t *read) {
    BIO_clear_retry_flags(bio);
    const ssize_t n = ::recv(FdOf(bio), data, size, 0);
    if (n > 0) {
        *read = static_cast<std::size_t>(n);
        return 1;
    }
    if (n == 0) {
        BIO_set_flags(bio, kEndOfStreamFlag);
    } else if (WouldBlock(errno)) {
        BIO_set_retry_read(bio);
    }
    return 0;
}

long Control(BIO *bio, int command, long, void *) {
    switch (command) {
    case BIO_CTRL_FLUSH:
        return 1; // nothing is held back
    case BIO_CTRL_EOF:
        return BIO_test_flags(bio, kEndOfStreamFlag) != 0 ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace

BIO_METHOD *NewSocketBioMethod() {
    // OpenSSL hands out few type numbers, so the process takes one for all
    // the contexts it makes.
    static const int kType = BIO_get_new_index();
    if (kType < 0) {
        return nullptr;
    }
    BIO_METHOD *method = BIO_meth_new(kType | BIO_TYPE_SOURCE_SINK, "quor non-signalling socket");
    if (method == nullptr) {
        return nullptr;
    }
    if (BIO_meth_set_write_ex(method, &Write) != 1 || BIO_meth_set_read_ex(method, &Read) != 1 ||
        BIO_meth_set_ctrl(method, &Control) != 1) {
        BIO_meth_free(method);
        return nullptr;
    }
    return method;
}

BIO *NewSocketBio(const BIO_METHOD *method, int fd) {
    BIO *bio = BIO_new(method);
    if (bio != nullptr) {
        BIO_set_data(bio, reinterpret_cast<void *>(static_cast<std::intptr_t>(fd)));
        BIO_set_init(bio, 1);
    }
    return bio;
}

} // namespace quor
