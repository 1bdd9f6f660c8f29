// SPDX-License-Identifier: MIT
#include "log_text.h"

#include <cstdint>
#include <cstdio>

namespace quord {

namespace {

struct Decoded {
    std::size_t length = 0; // 0: no valid sequence
    char32_t codePoint = 0;
};

// The UTF-8 sequence starting at text[at]. Overlong forms, surrogates and
// values beyond U+10FFFF are no valid sequences.
Decoded DecodeUtf8(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<std::uint8_t>(text[at + i]) : 0;
    };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return {1, lead};
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80; // bounds of the second byte
    std::uint8_t high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return {};
    }
    char32_t codePoint = lead & (0x3f >> (length - 1));
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xbf)) {
            return {};
        }
        codePoint = codePoint << 6 | (next & 0x3f);
    }
    return {length, codePoint};
}

bool BreaksOrReordersLines(char32_t c) {
    return (c >= 0x80 && c <= 0x9f) || c == 0x2028 || c == 0x2029 || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

std::string Escaped(const char *format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

std::string LogText(std::string_view text, std::size_t limit) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = DecodeUtf8(text, at);
        std::string piece;
        if (decoded.length == 0 || decoded.codePoint < 0x20 || decoded.codePoint == 0x7f ||
            decoded.codePoint == '\\') {
            piece = Escaped("\\x%02x", static_cast<std::uint8_t>(text[at]));
            at += 1;
        } else if (BreaksOrReordersLines(decoded.codePoint)) {
            piece = Escaped("\\u%04x", static_cast<unsigned>(decoded.codePoint));
            at += decoded.length;
        } else {
            piece = text.substr(at, decoded.length);
            at += decoded.length;
        }
        if (out.size() + piece.size() > limit) {
            return out + "...[" + std::to_string(text.size()) + " bytes]";
        }
        out += piece;
    }
    return out;
}

} // namespace quord
