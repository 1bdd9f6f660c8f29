// Cuts the received byte stream into 476-byte records and recognises the
// server's answer to the opening request.
#pragma once

#include "quor_wire/record.h"

#include "quor_wire/record_queue.h"
#include <cstddef>
#include <cstdint>

namespace quor {

class ReceiveAssembler {
public:
    // Feeds bytes from one read. Every record completed gets its name fields
    // terminated; login replies set the reply flags, and every record but an
    // acceptance (200, 201) is queued.
    void feed(const std::uint8_t *data, std::size_t n);

    bool replied() const { return replied_; }
    bool accepted() const { return accepted_; }
    int replyCode() const { return replyCode_; }
    std::size_t fill() const { return fill_; }

    RecordQueue &queue() { return queue_; }

private:
    void complete();

    QuorMessage partial_;
    std::size_t fill_ = 0;
    RecordQueue queue_;
    bool replied_ = false;
    bool accepted_ = false;
    int replyCode_ = 0;
};

} // namespace quor
