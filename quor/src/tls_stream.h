// SPDX-License-Identifier: MIT
// TLS over a connection's socket: the non-blocking client handshake with
// the server's certificate checked against the host name, then records
// carried as application data.
#pragma once

#include "byte_stream.h"
#include "read_buffer.h"
#include "tls_context.h"

#include <memory>
#include <string>

namespace quor {

class TlsStream final : public ByteStream {
public:
    // A stream on fd for a server reached under host, a name or a numeric
    // address. Null when OpenSSL cannot set it up.
    static std::unique_ptr<TlsStream> Create(std::shared_ptr<const TlsContext> context, int fd,
                                             const std::string &host);
    ~TlsStream() override;

    OpenResult Open() override;
    // Hands out the decrypted bytes where they are, without copying.
    StreamResult Read(std::size_t size) override;
    StreamResult Write(const std::uint8_t *data, std::size_t size) override;
    bool Buffered() const override;
    bool ReadWaitsForWrite() const override { return readWaitsForWrite_; }
    bool WriteWaitsForRead() const override { return writeWaitsForRead_; }
    // Sends close_notify once the handshake is done and nothing failed.
    void Shutdown() override;

private:
    TlsStream(std::shared_ptr<const TlsContext> context, SSL *ssl);
    // Decrypts as much as one TLS record holds into the plaintext buffer.
    StreamResult Decrypt();
    // The library error code for a handshake that failed.
    int HandshakeFailure() const;
    // Turns a failed read or write into its result, given SSL_get_error
    // and the errno the call left.
    StreamResult Failed(int sslError, int err, bool reading);

    // Declared first, so that it outlives the SSL object made from it.
    std::shared_ptr<const TlsContext> context_;
    SSL *ssl_;
    bool usable_ = true; // false after a fatal error: no close_notify then
    // Decrypted bytes not yet read: one SSL_read per TLS record instead of
    // one per record of the protocol, whose fixed cost is higher than that
    // of the decryption itself.
    static constexpr std::size_t kPlainBufferSize = 16384;
    ReadBuffer plain_{kPlainBufferSize};
    bool readWaitsForWrite_ = false;
    bool writeWaitsForRead_ = false;
};

} // namespace quor
