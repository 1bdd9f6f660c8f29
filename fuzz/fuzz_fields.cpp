// SPDX-License-Identifier: MIT
// Reads records from the input with ExpectFields, ListFlags and ListItems
// under signatures from the input, and round-trips input values through
// PackFields and ListBuilder. The input layout is described in
// support/fields_input.h.
#include "fields_input.h"
#include "fuzz_check.h"
#include "quor_wire/record.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace quor;
using namespace quor::fuzz;

namespace {

// Destinations for one read, one per c, d or s letter.
struct ReadValues {
    std::vector<std::uint8_t> c;
    std::vector<std::int32_t> d;
    std::vector<std::string> s;
    std::vector<FieldTarget> targets;

    explicit ReadValues(std::string_view signature) {
        for (char letter : signature) {
            if (letter == 'c') {
                c.emplace_back();
            } else if (letter == 'd') {
                d.emplace_back();
            } else if (letter == 's') {
                s.emplace_back();
            }
        }
        // Targets point into the vectors, which no longer grow.
        std::size_t ci = 0, di = 0, si = 0;
        for (char letter : signature) {
            if (letter == 'c') {
                targets.emplace_back(&c[ci++]);
            } else if (letter == 'd') {
                targets.emplace_back(&d[di++]);
            } else if (letter == 's') {
                targets.emplace_back(&s[si++]);
            }
        }
    }

    // The values read, in signature order, ready to be packed again.
    std::vector<FieldValue> AsFieldValues(std::string_view signature) const {
        std::vector<FieldValue> values;
        std::size_t ci = 0, di = 0, si = 0;
        for (char letter : signature) {
            if (letter == 'c') {
                values.emplace_back(c[ci++]);
            } else if (letter == 'd') {
                values.emplace_back(d[di++]);
            } else if (letter == 's') {
                values.emplace_back(std::string_view(s[si++]));
            }
        }
        return values;
    }
};

// Where the fields of a signature end in a record, or 0 when one of them
// does not fit (a c or d past the end, an s without a NUL).
std::size_t FieldsEnd(const QuorMessage &record, std::string_view signature) {
    std::size_t pos = kDataOffset;
    for (char letter : signature) {
        std::size_t size = 0;
        if (letter == 'c') {
            size = 1;
        } else if (letter == 'd') {
            size = 4;
        } else if (letter == 's') {
            const void *nul = std::memchr(record.bytes.data() + pos, 0, kRecordSize - pos);
            if (nul == nullptr) {
                return 0;
            }
            size = static_cast<const std::uint8_t *>(nul) - (record.bytes.data() + pos) + 1;
        }
        if (pos + size > kRecordSize) {
            return 0;
        }
        pos += size;
    }
    return pos;
}

// A read succeeds exactly when id, format and every field fit; what was read
// packs back to the same bytes and reads back equal.
void CheckRead(const ParseCase &parse) {
    ReadValues values(parse.signature);
    const bool ok =
        ExpectFields(parse.record, parse.id, parse.format, parse.signature, values.targets);
    const bool header = parse.record.id() == parse.id && parse.record.format() == parse.format;
    const std::size_t end = FieldsEnd(parse.record, parse.signature);
    FUZZ_CHECK(ok == (header && end != 0));
    if (!ok) {
        return;
    }
    QuorMessage packed;
    PackFields(packed, parse.id, static_cast<std::uint8_t>(parse.format), parse.signature,
               values.AsFieldValues(parse.signature));
    FUZZ_CHECK(std::memcmp(packed.bytes.data() + kDataOffset,
                           parse.record.bytes.data() + kDataOffset, end - kDataOffset) == 0);
    ReadValues again(parse.signature);
    FUZZ_CHECK(ExpectFields(packed, parse.id, parse.format, parse.signature, again.targets));
    FUZZ_CHECK(again.c == values.c && again.d == values.d && again.s == values.s);
}

// The items of all parts of a list, in order.
std::vector<std::string> ItemsOf(const std::vector<QuorMessage> &parts) {
    std::vector<std::string> items;
    for (const QuorMessage &part : parts) {
        for (std::string &item : ListItems(part)) {
            items.push_back(std::move(item));
        }
    }
    return items;
}

// The record read as a list part gives items that stay within the part and
// hold no separators; building a list of them gives well-flagged parts that
// read back as the items that fit into a part.
void CheckList(const QuorMessage &record) {
    const std::vector<std::string> items = ListItems(record);
    std::size_t used = 0;
    std::vector<std::string> fitting;
    for (const std::string &item : items) {
        FUZZ_CHECK(item.find(';') == std::string::npos);
        FUZZ_CHECK(item.find('\0') == std::string::npos);
        used += item.size() + 1;
        if (item.size() + 2 <= kListItemsRoom) {
            fitting.push_back(item);
        }
    }
    FUZZ_CHECK(used <= kListItemsRoom);

    ListBuilder builder(record.id(), "#lobby");
    for (const std::string &item : items) {
        builder.add(item);
    }
    const std::vector<QuorMessage> parts = builder.finish();
    FUZZ_CHECK(!parts.empty());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::uint8_t flags = ListFlags(parts[i]);
        FUZZ_CHECK(((flags & kListFirst) != 0) == (i == 0));
        FUZZ_CHECK(((flags & kListLast) != 0) == (i + 1 == parts.size()));
        FUZZ_CHECK(parts[i].id() == record.id() && parts[i].format() == 1);
        FUZZ_CHECK(parts[i].recipient() == "#lobby");
        FUZZ_CHECK(parts[i].bytes[kRecordSize - 1] == 0);
    }
    FUZZ_CHECK(ItemsOf(parts) == fitting);
}

// Values are packed while they fit; those read back equal, the header holds
// id and format, and every byte no field fills stays zero.
void CheckPack(const PackCase &pack) {
    std::vector<std::string> expected; // strings as written: up to a NUL
    for (const PackValue &value : pack.values) {
        expected.push_back(value.s.substr(0, value.s.find('\0')));
    }
    QuorMessage packed;
    PackFields(packed, pack.id, pack.format, pack.signature, AsFieldValues(pack.values));
    FUZZ_CHECK(packed.id() == pack.id);
    FUZZ_CHECK(packed.bytes[kFormatOffset] == pack.format);

    std::size_t pos = kDataOffset;
    std::size_t fitted = 0;
    for (const PackValue &value : pack.values) {
        const std::size_t size = value.letter == 'c'   ? 1
                                 : value.letter == 'd' ? 4
                                                       : expected[fitted].size() + 1;
        if (pos + size > kRecordSize) {
            break;
        }
        pos += size;
        ++fitted;
    }

    ReadValues read(pack.signature);
    const bool ok = ExpectFields(packed, pack.id, static_cast<std::int8_t>(pack.format),
                                 pack.signature, read.targets);
    FUZZ_CHECK(ok || fitted < pack.values.size());
    // A failed read stops only at a field that was left out, so the fields
    // before it have been read.
    std::size_t ci = 0, di = 0, si = 0;
    for (std::size_t i = 0; i < fitted; ++i) {
        const PackValue &value = pack.values[i];
        if (value.letter == 'c') {
            FUZZ_CHECK(read.c[ci++] == value.c);
        } else if (value.letter == 'd') {
            FUZZ_CHECK(read.d[di++] == value.d);
        } else {
            FUZZ_CHECK(read.s[si++] == expected[i]);
        }
    }
    for (std::size_t i = kIdOffset + 4; i < kDataOffset; ++i) {
        FUZZ_CHECK(i == kFormatOffset || packed.bytes[i] == 0);
    }
    for (std::size_t i = pos; i < kRecordSize; ++i) {
        FUZZ_CHECK(packed.bytes[i] == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    ByteReader in(data, size);
    const ParseCase parse = ReadParseCase(in);
    CheckRead(parse);
    CheckList(parse.record);
    CheckPack(ReadPackCase(in));
    return 0;
}
