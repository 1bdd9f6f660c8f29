// SPDX-License-Identifier: MIT
#include "plain_stream.h"

#include "socket_errors.h"

#include <sys/socket.h>

#include <cerrno>

namespace quor {

StreamResult PlainStream::Read(std::size_t size) {
    if (received_.holds()) {
        return received_.take(size);
    }
    const ssize_t n = ::recv(fd_, received_.space(), received_.capacity(), 0);
    if (n > 0) {
        received_.filled(static_cast<std::size_t>(n));
        return received_.take(size);
    }
    if (n == 0) {
        return {StreamResult::kClosed};
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        return {StreamResult::kWouldBlock};
    }
    return {StreamResult::kFailed, 0, SocketErrorFromErrno(errno), true};
}

StreamResult PlainStream::Write(const std::uint8_t *data, std::size_t size) {
    for (;;) {
        // MSG_NOSIGNAL: a peer that is gone is an error here, not a signal
        // that ends the caller's process.
        const ssize_t n = ::send(fd_, data, size, MSG_NOSIGNAL);
        if (n >= 0) {
            return {StreamResult::kBytes, static_cast<std::size_t>(n)};
        }
        const int err = errno;
        if (err == EINTR) {
            continue;
        }
        if (err == EAGAIN || err == EWOULDBLOCK) {
            return {StreamResult::kWouldBlock};
        }
        return {StreamResult::kFailed, 0, SocketErrorFromErrno(err), IsConnectionLostError(err)};
    }
}

} // namespace quor
