// SPDX-License-Identifier: MIT
#include "socket_errors.h"

#include <cerrno>
#include <utility>

namespace quor {

namespace {

constexpr std::pair<int, int> kErrnoToSocketError[] = {
    {EINTR, 10004},         {EACCES, 10013},       {EFAULT, 10014},      {EINVAL, 10022},
    {EMFILE, 10024},        {EAGAIN, 10035},       {EWOULDBLOCK, 10035}, {EINPROGRESS, 10035},
    {EALREADY, 10037},      {ENOTSOCK, 10038},     {EMSGSIZE, 10040},    {EADDRINUSE, 10048},
    {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050},     {ENETUNREACH, 10051}, {ENETRESET, 10052},
    {ECONNABORTED, 10053},  {ECONNRESET, 10054},   {EPIPE, 10054},       {ENOBUFS, 10055},
    {ENOMEM, 10055},        {EISCONN, 10056},      {ENOTCONN, 10057},    {ESHUTDOWN, 10058},
    {ETIMEDOUT, 10060},     {ECONNREFUSED, 10061}, {EHOSTDOWN, 10064},   {EHOSTUNREACH, 10065},
};

} // namespace

int SocketErrorFromErrno(int err) {
    for (const auto &[from, to] : kErrnoToSocketError) {
        if (from == err) {
            return to;
        }
    }
    return kWsaInvalidArgument;
}

bool IsConnectionLostError(int err) {
    switch (err) {
    case ECONNRESET:
    case EPIPE:
    case ENOTCONN:
    case ETIMEDOUT:
    case ECONNABORTED:
    case ENETUNREACH:
    case EHOSTUNREACH:
        return true;
    default:
        return false;
    }
}

} // namespace quor
