// SPDX-License-Identifier: MIT
// The byte stream under a connection: the plain socket, or TLS over it.
// The connection's framing, queues and events are the same for both; only
// how bytes move, and what must happen before the first record, differ.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quor {

// Outcome of one read or write.
struct StreamResult {
    enum Kind {
        kBytes,      // `bytes` (never 0) were moved
        kWouldBlock, // nothing moved; readiness will tell when to try again
        kClosed,     // reads only: the peer ended the stream
        kFailed,     // the call failed with `error`, a socket error number
    };
    Kind kind = kWouldBlock;
    std::size_t bytes = 0;
    int error = 0;
    // kFailed: the stream cannot carry anything any more.
    bool lost = false;
    // Reads: where the bytes are, in the stream's own buffer, valid until
    // the stream is used again.
    const std::uint8_t *data = nullptr;
};

// Outcome of one step of opening the stream after the TCP connect.
struct OpenResult {
    enum Kind { kDone, kWantRead, kWantWrite, kFailed };
    Kind kind = kDone;
    int error = 0; // kFailed: the library error code for the failed connect
};

class ByteStream {
public:
    virtual ~ByteStream() = default;

    // Takes the next step of what must happen between the TCP connect and
    // the first record (the TLS handshake); repeated on the readiness asked
    // for until it is done or has failed.
    virtual OpenResult Open() = 0;
    // Reads at most size bytes. Both streams take larger chunks from the
    // socket and hand them out from their own buffer, without a copy.
    virtual StreamResult Read(std::size_t size) = 0;
    // A write that would block must be repeated with the same bytes.
    virtual StreamResult Write(const std::uint8_t *data, std::size_t size) = 0;

    // True while received bytes wait inside the stream, where the socket's
    // readiness does not announce them.
    virtual bool Buffered() const { return false; }
    // The last read could not go on before the socket takes a write.
    virtual bool ReadWaitsForWrite() const { return false; }
    // The last write could not go on before the socket has bytes to read.
    virtual bool WriteWaitsForRead() const { return false; }

    // Tells the peer that the stream ends, if the stream has a way to and
    // can still use it, without waiting. The socket is closed afterwards.
    virtual void Shutdown() {}
};

} // namespace quor
