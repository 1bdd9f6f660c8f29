// SPDX-License-Identifier: MIT
// The wire record: every message in both directions is exactly 476 bytes,
// with a fixed header and a 400-byte data area holding typed fields, a raw
// text or one part of a multi-part list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quor {

inline constexpr std::size_t kRecordSize = 476;
inline constexpr std::size_t kIdOffset = 0;
inline constexpr std::size_t kSenderOffset = 4;
inline constexpr std::size_t kRecipientOffset = 36;
inline constexpr std::size_t kNameFieldSize = 32; // 31 characters and a NUL
inline constexpr std::size_t kMaxNameLength = kNameFieldSize - 1;
inline constexpr std::size_t kFormatOffset = 68;
inline constexpr std::size_t kTimeOffset = 72;
inline constexpr std::size_t kDataOffset = 76;
inline constexpr std::size_t kDataSize = kRecordSize - kDataOffset; // 400
inline constexpr std::size_t kMaxTextLength = kDataSize - 1;        // 399

// Flags byte of a list part.
inline constexpr std::uint8_t kListFirst = 0x01;
inline constexpr std::uint8_t kListLast = 0x02;
// Items of a list part live between the flags byte and the record's end,
// terminating NUL included.
inline constexpr std::size_t kListItemsOffset = kDataOffset + 1;
inline constexpr std::size_t kListItemsRoom = kRecordSize - kListItemsOffset; // 399

// One wire record in memory, zero-filled at construction.
struct QuorMessage {
    std::array<std::uint8_t, kRecordSize> bytes{};

    std::int32_t id() const { return readInt(kIdOffset); }
    void setId(std::int32_t id) { writeInt(kIdOffset, id); }
    std::int8_t format() const { return static_cast<std::int8_t>(bytes[kFormatOffset]); }
    void setFormat(std::uint8_t format) { bytes[kFormatOffset] = format; }
    std::int32_t time() const { return readInt(kTimeOffset); }
    void setTime(std::int32_t t) { writeInt(kTimeOffset, t); }

    // Names are read up to their NUL or the end of the 32-byte field.
    std::string sender() const { return boundedString(kSenderOffset, kNameFieldSize); }
    std::string recipient() const { return boundedString(kRecipientOffset, kNameFieldSize); }
    // Writes at most 31 characters and a NUL; the rest of the field is zeroed.
    void setSender(std::string_view name) { writeName(kSenderOffset, name); }
    void setRecipient(std::string_view name) { writeName(kRecipientOffset, name); }

    // The raw text at data offset 0, up to its NUL or the record's end.
    std::string rawText() const { return boundedString(kDataOffset, kDataSize); }
    // Copies at most 399 characters of text and a NUL to data offset 0.
    void setRawText(std::string_view text);

    // Received names are never longer than 31 characters: the last byte of
    // each name field is forced to NUL before anything reads them.
    void terminateNames() {
        bytes[kSenderOffset + kMaxNameLength] = 0;
        bytes[kRecipientOffset + kMaxNameLength] = 0;
    }

    std::int32_t readInt(std::size_t offset) const;
    void writeInt(std::size_t offset, std::int32_t value);
    // Characters from offset up to the first NUL, at most max bytes.
    std::string boundedString(std::size_t offset, std::size_t max) const;

private:
    void writeName(std::size_t offset, std::string_view name);
};

// A value for one typed field: 'c' takes a byte, 'd' an int, 's' a string.
using FieldValue = std::variant<std::uint8_t, std::int32_t, std::string_view>;

// Writes id, format and the fields of the signature in order from data
// offset 0. A field that would end past the record is left out together
// with every later field. Letters other than c, d and s are skipped and
// consume no value. Values must match their letters' kinds.
void PackFields(QuorMessage &record, std::int32_t id, std::uint8_t format,
                std::string_view signature, const std::vector<FieldValue> &values);

// Destination for one typed field when reading.
using FieldTarget = std::variant<std::uint8_t *, std::int32_t *, std::string *>;

// Reads the fields of the signature when the record's id and format match.
// Fails when a c or d field would pass the record's end or an s field has no
// NUL inside the record; destinations filled before a failure keep their
// values. Unknown letters are skipped.
bool ExpectFields(const QuorMessage &record, std::int32_t id, std::int8_t format,
                  std::string_view signature, const std::vector<FieldTarget> &targets);

// Builds the parts of a multi-part list: items are appended while the part's
// text, the item, its ';' and the terminating NUL fit in 399 bytes;
// otherwise a new part is started. The first part has the first flag, the
// last part the last flag (a one-part list has both).
class ListBuilder {
public:
    ListBuilder(std::int32_t id, std::string_view recipient);
    void add(std::string_view item);
    // Sets the last flag on the final part and hands over all parts.
    std::vector<QuorMessage> finish();

private:
    void startPart(std::uint8_t flags);
    std::int32_t id_;
    std::string recipient_;
    std::vector<QuorMessage> parts_;
    std::size_t used_ = 0; // item bytes in the current part, without the NUL
};

std::uint8_t ListFlags(const QuorMessage &part);
// The items of one list part: each item is the text before the next ';';
// text after the last ';' is ignored. Reads never pass the record's end.
std::vector<std::string> ListItems(const QuorMessage &part);

} // namespace quor
