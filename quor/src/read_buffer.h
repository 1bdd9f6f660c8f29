// SPDX-License-Identifier: MIT
// Bytes a stream has taken from its socket in one large read, handed out a
// record's worth at a time, so that a stream of records costs one system
// call per chunk instead of one per record.
#pragma once

#include "byte_stream.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace quor {

class ReadBuffer {
public:
    explicit ReadBuffer(std::size_t capacity)
        : bytes_(std::make_unique<std::uint8_t[]>(capacity)), capacity_(capacity) {}

    bool holds() const { return start_ != end_; }
    // Where the next chunk goes, once the buffer has been handed out whole.
    std::uint8_t *space() { return bytes_.get(); }
    std::size_t capacity() const { return capacity_; }
    void filled(std::size_t n) {
        start_ = 0;
        end_ = n;
    }
    // Hands out at most size of the bytes held, where they are.
    StreamResult take(std::size_t size) {
        const std::size_t n = std::min(size, end_ - start_);
        const std::uint8_t *at = bytes_.get() + start_;
        start_ += n;
        return {StreamResult::kBytes, n, 0, false, at};
    }

private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t capacity_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};

} // namespace quor
