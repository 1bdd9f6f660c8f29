// The plain byte stream: records go straight over the TCP socket.
#pragma once

#include "byte_stream.h"

namespace quor {

class PlainStream final : public ByteStream {
public:
    // The socket stays owned by the connection.
    explicit PlainStream(int fd) : fd_(fd) {}

    OpenResult Open() override { return {}; }
    StreamResult Read(std::uint8_t *buffer, std::size_t size) override;
    StreamResult Write(const std::uint8_t *data, std::size_t size) override;

private:
    int fd_;
};

} // namespace quor
