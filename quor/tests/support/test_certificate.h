// SPDX-License-Identifier: MIT
// A self-signed server certificate and its private key, made at run time in
// a temporary folder (no key is ever checked in), for tests and benchmarks
// that need TLS. The certificate doubles as its own CA file.
#pragma once

#include <openssl/ssl.h>

#include <string>
#include <vector>

namespace quor::testing {

class TestCertificate {
public:
    // A P-256 key and a certificate naming these DNS names and IP
    // addresses. Throws std::runtime_error when OpenSSL fails.
    explicit TestCertificate(const std::vector<std::string> &dnsNames = {"localhost"},
                             const std::vector<std::string> &ipAddresses = {"127.0.0.1"});
    // Removes the folder.
    ~TestCertificate();
    TestCertificate(const TestCertificate &) = delete;
    TestCertificate &operator=(const TestCertificate &) = delete;

    // PEM files: the certificate (also a CA file that trusts it), the key.
    const std::string &certFile() const { return certFile_; }
    const std::string &keyFile() const { return keyFile_; }
    // A new server context that presents this certificate; free it with
    // SSL_CTX_free. Throws std::runtime_error when OpenSSL fails.
    SSL_CTX *NewServerContext() const;

private:
    std::string folder_;
    std::string certFile_;
    std::string keyFile_;
};

} // namespace quor::testing
