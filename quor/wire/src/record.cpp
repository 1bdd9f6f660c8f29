// SPDX-License-Identifier: MIT
#include "quor_wire/record.h"

#include <algorithm>
#include <cstring>

namespace quor {

std::int32_t QuorMessage::readInt(std::size_t offset) const {
    std::uint32_t v = static_cast<std::uint32_t>(bytes[offset]) |
                      static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                      static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                      static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    return static_cast<std::int32_t>(v);
}

void QuorMessage::writeInt(std::size_t offset, std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

std::string QuorMessage::boundedString(std::size_t offset, std::size_t max) const {
    max = std::min(max, kRecordSize - offset);
    const auto *begin = reinterpret_cast<const char *>(bytes.data() + offset);
    return std::string(begin, strnlen(begin, max));
}

void QuorMessage::writeName(std::size_t offset, std::string_view name) {
    std::memset(bytes.data() + offset, 0, kNameFieldSize);
    std::memcpy(bytes.data() + offset, name.data(), std::min(name.size(), kMaxNameLength));
}

void QuorMessage::setRawText(std::string_view text) {
    std::memset(bytes.data() + kDataOffset, 0, kDataSize);
    std::memcpy(bytes.data() + kDataOffset, text.data(), std::min(text.size(), kMaxTextLength));
}

void PackFields(QuorMessage &record, std::int32_t id, std::uint8_t format,
                std::string_view signature, const std::vector<FieldValue> &values) {
    record.setId(id);
    record.setFormat(format);
    std::size_t pos = kDataOffset;
    std::size_t next = 0;
    for (char letter : signature) {
        if (letter != 'c' && letter != 'd' && letter != 's') {
            continue;
        }
        if (next >= values.size()) {
            return;
        }
        const FieldValue &value = values[next++];
        if (letter == 'c') {
            if (pos + 1 > kRecordSize) {
                return;
            }
            record.bytes[pos++] = std::get<std::uint8_t>(value);
        } else if (letter == 'd') {
            if (pos + 4 > kRecordSize) {
                return;
            }
            record.writeInt(pos, std::get<std::int32_t>(value));
            pos += 4;
        } else {
            std::string_view s = std::get<std::string_view>(value);
            // A string is written up to an embedded NUL, as C strings are.
            s = s.substr(0, std::min(s.size(), s.find('\0')));
            if (pos + s.size() + 1 > kRecordSize) {
                return;
            }
            std::memcpy(record.bytes.data() + pos, s.data(), s.size());
            record.bytes[pos + s.size()] = 0;
            pos += s.size() + 1;
        }
    }
}

bool ExpectFields(const QuorMessage &record, std::int32_t id, std::int8_t format,
                  std::string_view signature, const std::vector<FieldTarget> &targets) {
    if (record.id() != id || record.format() != format) {
        return false;
    }
    std::size_t pos = kDataOffset;
    std::size_t next = 0;
    for (char letter : signature) {
        if (letter != 'c' && letter != 'd' && letter != 's') {
            continue;
        }
        if (next >= targets.size()) {
            return true;
        }
        const FieldTarget &target = targets[next++];
        if (letter == 'c') {
            if (pos + 1 > kRecordSize) {
                return false;
            }
            *std::get<std::uint8_t *>(target) = record.bytes[pos++];
        } else if (letter == 'd') {
            if (pos + 4 > kRecordSize) {
                return false;
            }
            *std::get<std::int32_t *>(target) = record.readInt(pos);
            pos += 4;
        } else {
            const auto *begin = reinterpret_cast<const char *>(record.bytes.data() + pos);
            const void *nul = std::memchr(begin, 0, kRecordSize - pos);
            if (nul == nullptr) {
                return false;
            }
            std::size_t length = static_cast<const char *>(nul) - begin;
            std::get<std::string *>(target)->assign(begin, length);
            pos += length + 1;
        }
    }
    return true;
}

ListBuilder::ListBuilder(std::int32_t id, std::string_view recipient)
    : id_(id), recipient_(recipient) {
    startPart(kListFirst);
}

void ListBuilder::startPart(std::uint8_t flags) {
    QuorMessage &part = parts_.emplace_back();
    part.setId(id_);
    part.setFormat(1);
    part.setRecipient(recipient_);
    part.bytes[kDataOffset] = flags;
    used_ = 0;
}

void ListBuilder::add(std::string_view item) {
    item = item.substr(0, std::min(item.size(), item.find('\0')));
    const std::size_t needed = item.size() + 1; // the item and its ';'
    if (used_ + needed + 1 > kListItemsRoom) {
        startPart(0);
        if (needed + 1 > kListItemsRoom) {
            return; // too long even for an empty part: left out
        }
    }
    QuorMessage &part = parts_.back();
    std::memcpy(part.bytes.data() + kListItemsOffset + used_, item.data(), item.size());
    part.bytes[kListItemsOffset + used_ + item.size()] = ';';
    used_ += needed;
}

std::vector<QuorMessage> ListBuilder::finish() {
    parts_.back().bytes[kDataOffset] |= kListLast;
    return std::move(parts_);
}

std::uint8_t ListFlags(const QuorMessage &part) {
    return part.bytes[kDataOffset];
}

std::vector<std::string> ListItems(const QuorMessage &part) {
    std::vector<std::string> items;
    const std::string text = part.boundedString(kListItemsOffset, kListItemsRoom);
    std::size_t start = 0;
    for (std::size_t semi = text.find(';'); semi != std::string::npos;
         semi = text.find(';', start)) {
        items.push_back(text.substr(start, semi - start));
        start = semi + 1;
    }
    return items;
}

} // namespace quor
