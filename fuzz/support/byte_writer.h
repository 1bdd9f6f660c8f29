// SPDX-License-Identifier: MIT
// Writes fuzzer inputs in the layout that ByteReader decodes; used by the
// seed corpus generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quor::fuzz {

class ByteWriter {
public:
    void byte(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) {
        byte(static_cast<std::uint8_t>(v));
        byte(static_cast<std::uint8_t>(v >> 8));
    }
    void i32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) {
            byte(static_cast<std::uint8_t>(u >> (8 * i)));
        }
    }
    void bytes(std::span<const std::uint8_t> data) {
        out_.insert(out_.end(), data.begin(), data.end());
    }
    void text(std::string_view s) { out_.insert(out_.end(), s.begin(), s.end()); }

    const std::vector<std::uint8_t> &data() const { return out_; }

private:
    std::vector<std::uint8_t> out_;
};

} // namespace quor::fuzz
