// SPDX-License-Identifier: MIT
// An OpenSSL BIO over a non-blocking socket that writes with MSG_NOSIGNAL,
// so that TLS on a connection the peer has dropped reports an error instead
// of raising SIGPIPE in the caller's process (OpenSSL's own socket BIO uses
// plain writes). The socket stays owned by the caller.
#pragma once

#include <openssl/bio.h>

namespace quor {

// The method table, made once per TLS context; null when OpenSSL cannot
// make it. Free it with BIO_meth_free after every BIO made from it.
BIO_METHOD *NewSocketBioMethod();
// A BIO of that method on fd; null on failure.
BIO *NewSocketBio(const BIO_METHOD *method, int fd);

} // namespace quor
