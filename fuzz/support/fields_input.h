// SPDX-License-Identifier: MIT
// Layout of a fuzz_fields input, in two halves:
//
//   parse half  a signature; a byte whose bit 0 asks for the record's own id
//               and bit 1 for the record's own format (otherwise a 32-bit id
//               and a format byte follow, in that order, for each bit that is
//               clear); then the 476 bytes of the record (zeros past the end
//               of the input).
//   pack half   a signature, a 32-bit id, a format byte, then one value per
//               letter c, d or s: a byte, a 32-bit integer, or a 16-bit
//               length (modulo 421) and that many bytes of string.
//
// A signature is a length byte (modulo 16) and that many letter bytes; the
// low two bits of a letter byte choose c, d, s or '?' (an unknown letter).
#pragma once

#include "byte_reader.h"
#include "byte_writer.h"
#include "quor_wire/record.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quor::fuzz {

inline constexpr std::string_view kLetters = "cds?";
inline constexpr std::size_t kMaxSignatureLength = 15;
// Long enough to overflow the data area, short enough to keep inputs small.
inline constexpr std::size_t kMaxPackedString = 420;

struct ParseCase {
    std::string signature;
    bool useRecordId = true;
    bool useRecordFormat = true;
    std::int32_t id = 0;
    std::int8_t format = 1;
    QuorMessage record;
};

// One value to pack; only the member matching its letter is used.
struct PackValue {
    char letter = '?';
    std::uint8_t c = 0;
    std::int32_t d = 0;
    std::string s;
};

struct PackCase {
    std::string signature;
    std::int32_t id = 0;
    std::uint8_t format = 1;
    std::vector<PackValue> values; // one per c, d or s letter
};

// The values as PackFields takes them; strings point into `values`.
inline std::vector<FieldValue> AsFieldValues(const std::vector<PackValue> &values) {
    std::vector<FieldValue> fields;
    for (const PackValue &value : values) {
        if (value.letter == 'c') {
            fields.emplace_back(value.c);
        } else if (value.letter == 'd') {
            fields.emplace_back(value.d);
        } else {
            fields.emplace_back(std::string_view(value.s));
        }
    }
    return fields;
}

inline std::string ReadSignature(ByteReader &in) {
    std::string signature(in.byte() % (kMaxSignatureLength + 1), '?');
    for (char &letter : signature) {
        letter = kLetters[in.byte() & 3];
    }
    return signature;
}

inline bool IsFieldLetter(char letter) {
    return letter == 'c' || letter == 'd' || letter == 's';
}

inline ParseCase ReadParseCase(ByteReader &in) {
    ParseCase parse;
    parse.signature = ReadSignature(in);
    const std::uint8_t flags = in.byte();
    parse.useRecordId = (flags & 1) != 0;
    parse.useRecordFormat = (flags & 2) != 0;
    if (!parse.useRecordId) {
        parse.id = in.i32();
    }
    if (!parse.useRecordFormat) {
        parse.format = static_cast<std::int8_t>(in.byte());
    }
    const auto bytes = in.bytes(kRecordSize);
    std::copy(bytes.begin(), bytes.end(), parse.record.bytes.begin());
    if (parse.useRecordId) {
        parse.id = parse.record.id();
    }
    if (parse.useRecordFormat) {
        parse.format = parse.record.format();
    }
    return parse;
}

inline PackCase ReadPackCase(ByteReader &in) {
    PackCase pack;
    pack.signature = ReadSignature(in);
    pack.id = in.i32();
    pack.format = in.byte();
    for (char letter : pack.signature) {
        if (!IsFieldLetter(letter)) {
            continue;
        }
        PackValue &value = pack.values.emplace_back();
        value.letter = letter;
        if (letter == 'c') {
            value.c = in.byte();
        } else if (letter == 'd') {
            value.d = in.i32();
        } else {
            const auto bytes = in.bytes(in.u16() % (kMaxPackedString + 1));
            value.s.assign(bytes.begin(), bytes.end());
        }
    }
    return pack;
}

inline void WriteSignature(ByteWriter &out, std::string_view signature) {
    out.byte(static_cast<std::uint8_t>(signature.size()));
    for (char letter : signature) {
        const std::size_t index = kLetters.find(letter);
        out.byte(static_cast<std::uint8_t>(index == std::string_view::npos ? 3 : index));
    }
}

// A parse half that reads the record with its own id and format.
inline void WriteParseCase(ByteWriter &out, std::string_view signature, const QuorMessage &record) {
    WriteSignature(out, signature);
    out.byte(3);
    out.bytes(record.bytes);
}

inline void WritePackCase(ByteWriter &out, const PackCase &pack) {
    WriteSignature(out, pack.signature);
    out.i32(pack.id);
    out.byte(pack.format);
    for (const PackValue &value : pack.values) {
        if (value.letter == 'c') {
            out.byte(value.c);
        } else if (value.letter == 'd') {
            out.i32(value.d);
        } else {
            out.u16(static_cast<std::uint16_t>(value.s.size()));
            out.text(value.s);
        }
    }
}

} // namespace quor::fuzz
