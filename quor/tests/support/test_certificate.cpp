// SPDX-License-Identifier: MIT
#include "test_certificate.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace quor::testing {

namespace {

template <auto Free> struct Deleter {
    template <typename T> void operator()(T *p) const { Free(p); }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY_free>>;
using CertPtr = std::unique_ptr<X509, Deleter<X509_free>>;
using ExtensionPtr = std::unique_ptr<X509_EXTENSION, Deleter<X509_EXTENSION_free>>;

void Check(bool ok, const char *what) {
    if (!ok) {
        ERR_clear_error();
        throw std::runtime_error(std::string("test certificate: ") + what);
    }
}

void AddExtension(X509 *cert, int nid, const std::string &value) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    ExtensionPtr extension(X509V3_EXT_conf_nid(nullptr, &ctx, nid, value.c_str()));
    Check(extension != nullptr && X509_add_ext(cert, extension.get(), -1) == 1, "extension");
}

// The same extensions as `openssl req -x509` with subjectAltName gives.
CertPtr SelfSigned(EVP_PKEY *key, const std::vector<std::string> &dnsNames,
                   const std::vector<std::string> &ipAddresses) {
    CertPtr cert(X509_new());
    Check(cert != nullptr, "X509_new");
    X509_set_version(cert.get(), 2);
    std::uint32_t serial = 0;
    Check(RAND_bytes(reinterpret_cast<unsigned char *>(&serial), sizeof serial) == 1, "serial");
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), static_cast<long>(serial >> 1));
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 7L * 24 * 3600);
    X509_NAME *name = X509_get_subject_name(cert.get());
    const std::string commonName = dnsNames.empty() ? "quor test" : dnsNames.front();
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char *>(commonName.c_str()), -1, -1,
                               0);
    X509_set_issuer_name(cert.get(), name);
    Check(X509_set_pubkey(cert.get(), key) == 1, "public key");
    std::string altNames;
    for (const std::string &dns : dnsNames) {
        altNames += (altNames.empty() ? "DNS:" : ",DNS:") + dns;
    }
    for (const std::string &ip : ipAddresses) {
        altNames += (altNames.empty() ? "IP:" : ",IP:") + ip;
    }
    AddExtension(cert.get(), NID_basic_constraints, "critical,CA:TRUE");
    AddExtension(cert.get(), NID_subject_key_identifier, "hash");
    if (!altNames.empty()) {
        AddExtension(cert.get(), NID_subject_alt_name, altNames);
    }
    Check(X509_sign(cert.get(), key, EVP_sha256()) > 0, "signing");
    return cert;
}

template <typename Write> void WritePem(const std::string &path, Write write) {
    FILE *file = std::fopen(path.c_str(), "w");
    Check(file != nullptr, "cannot write a PEM file");
    const bool ok = write(file) == 1;
    std::fclose(file);
    Check(ok, "PEM encoding");
}

} // namespace

TestCertificate::TestCertificate(const std::vector<std::string> &dnsNames,
                                 const std::vector<std::string> &ipAddresses) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quor-cert-XXXXXX").string();
    Check(mkdtemp(pattern.data()) != nullptr, "no temporary folder");
    folder_ = pattern;
    certFile_ = folder_ + "/cert.pem";
    keyFile_ = folder_ + "/key.pem";

    KeyPtr key(EVP_EC_gen("P-256"));
    Check(key != nullptr, "key generation");
    CertPtr cert = SelfSigned(key.get(), dnsNames, ipAddresses);
    WritePem(certFile_, [&](FILE *f) { return PEM_write_X509(f, cert.get()); });
    WritePem(keyFile_, [&](FILE *f) {
        return PEM_write_PrivateKey(f, key.get(), nullptr, nullptr, 0, nullptr, nullptr);
    });
}

TestCertificate::~TestCertificate() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

SSL_CTX *TestCertificate::NewServerContext() const {
    SSL_CTX *ctx = SSL_CTX_new(TLS_server_method());
    const bool ok = ctx != nullptr && SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION) == 1 &&
                    SSL_CTX_use_certificate_chain_file(ctx, certFile_.c_str()) == 1 &&
                    SSL_CTX_use_PrivateKey_file(ctx, keyFile_.c_str(), SSL_FILETYPE_PEM) == 1;
    if (!ok) {
        SSL_CTX_free(ctx);
    }
    Check(ok, "server context");
    return ctx;
}

} // namespace quor::testing
