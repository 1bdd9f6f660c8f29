// SPDX-License-Identifier: MIT
// Cuts one connection's byte stream into 476-byte records, however the
// bytes are split across reads.
#pragma once

#include "quor_wire/record.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quord {

class RecordAssembler {
public:
    // Adds the bytes and calls onRecord(record) for each record they
    // complete, its name fields terminated. Stops early when onRecord
    // returns false. Returns the bytes used, so that the caller may keep
    // the rest.
    template <typename OnRecord>
    std::size_t Feed(const std::uint8_t *data, std::size_t size, OnRecord &&onRecord) {
        std::size_t used = 0;
        while (used < size) {
            const std::size_t take = std::min(quor::kRecordSize - fill_, size - used);
            std::memcpy(record_.bytes.data() + fill_, data + used, take);
            fill_ += take;
            used += take;
            if (fill_ == quor::kRecordSize) {
                fill_ = 0;
                record_.terminateNames();
                if (!onRecord(static_cast<const quor::QuorMessage &>(record_))) {
                    break;
                }
            }
        }
        return used;
    }

private:
    quor::QuorMessage record_;
    std::size_t fill_ = 0;
};

} // namespace quord
