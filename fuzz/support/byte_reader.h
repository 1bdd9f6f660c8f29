// SPDX-License-Identifier: MIT
// Reads a fuzzer's input as a sequence of small values. Reading past the end
// yields zeros and empty spans, so every input, however short, decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quor::fuzz {

class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }

    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

    std::uint16_t u16() {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | byte() << 8);
    }

    std::int32_t i32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            v |= static_cast<std::uint32_t>(byte()) << (8 * i);
        }
        return static_cast<std::int32_t>(v);
    }

    // Up to n bytes: fewer when the input ends first.
    std::span<const std::uint8_t> bytes(std::size_t n) {
        const std::size_t take = empty() ? 0 : (n < size_ - pos_ ? n : size_ - pos_);
        std::span<const std::uint8_t> out(data_ + pos_, take);
        pos_ += take;
        return out;
    }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace quor::fuzz
