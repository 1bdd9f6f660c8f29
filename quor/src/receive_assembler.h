// SPDX-License-Identifier: MIT
// Cuts the received byte stream into 476-byte records and recognises the
// server's answer to the opening request.
#pragma once

#include "quor_wire/record.h"

#include "quor_wire/record_queue.h"
#include <cstddef>
#include <cstdint>

namespace quor {

// Records kept for a server that has not answered the opening request yet;
// a server that sends more is not a chat server worth waiting for, and
// keeping them all would let it grow the client without bound.
inline constexpr std::size_t kMaxRecordsBeforeReply = 64;

class ReceiveAssembler {
public:
    // Feeds bytes from one read. Every record completed gets its name fields
    // terminated; login replies set the reply flags, and every record but an
    // acceptance (200, 201) is queued, except those beyond the first
    // kMaxRecordsBeforeReply before a reply, which mark the assembler
    // overflowed instead.
    void feed(const std::uint8_t *data, std::size_t n);

    bool replied() const { return replied_; }
    bool accepted() const { return accepted_; }
    int replyCode() const { return replyCode_; }
    bool overflowed() const { return overflowed_; }

    RecordQueue &queue() { return queue_; }
    const RecordQueue &queue() const { return queue_; }

private:
    void complete();

    QuorMessage partial_;
    std::size_t fill_ = 0;
    RecordQueue queue_;
    bool replied_ = false;
    bool accepted_ = false;
    bool overflowed_ = false;
    int replyCode_ = 0;
};

} // namespace quor
