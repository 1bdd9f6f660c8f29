// SPDX-License-Identifier: MIT
// The plain byte stream: records go straight over the TCP socket.
#pragma once

#include "byte_stream.h"
#include "read_buffer.h"

namespace quor {

class PlainStream final : public ByteStream {
public:
    // The socket stays owned by the connection.
    explicit PlainStream(int fd) : fd_(fd) {}

    OpenResult Open() override { return {}; }
    // Hands out bytes of the last chunk read from the socket, without
    // copying; reads the next chunk once they are all taken.
    StreamResult Read(std::size_t size) override;
    StreamResult Write(const std::uint8_t *data, std::size_t size) override;
    bool Buffered() const override { return received_.holds(); }

private:
    // One read takes what a busy stream has waiting (about 137 records), so
    // that the socket is asked once per chunk, not once per record.
    static constexpr std::size_t kChunkSize = 65536;

    int fd_;
    ReadBuffer received_{kChunkSize};
};

} // namespace quor
