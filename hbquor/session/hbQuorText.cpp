// SPDX-License-Identifier: MIT
#include "hbQuorText.h"

namespace hbquor {

namespace {

bool IsUtf8ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest UTF-8 character has three continuation bytes.
constexpr std::size_t kMaxContinuationBytes = 3;

// Moves a cut that would fall inside a UTF-8 character back to that
// character's first byte, so no piece ends with a torn character. Bytes
// that are not UTF-8 at all are cut where they fall.
std::size_t CharacterBoundaryAtOrBefore(const std::string &text, std::size_t cut) {
    std::size_t boundary = cut;
    while (boundary > 0 && cut - boundary < kMaxContinuationBytes &&
           IsUtf8ContinuationByte(text[boundary]))
        --boundary;
    return boundary > 0 && !IsUtf8ContinuationByte(text[boundary]) ? boundary : cut;
}

} // namespace

std::string FlattenControlCharacters(std::string_view text) {
    std::string flat(text);
    for (char &c : flat) {
        if (static_cast<unsigned char>(c) < ' ' && c != '\t')
            c = ' ';
    }
    return flat;
}

std::string SplitChunk(std::string &rest, std::size_t maximum, std::string_view separators) {
    if (rest.size() <= maximum || maximum == 0) {
        std::string piece;
        piece.swap(rest);
        return piece;
    }
    // Cut length, counted from the front: the piece is rest[0, cut).
    std::size_t cut = maximum;
    if (rest[maximum] != ' ') {
        while (cut > 0 && separators.find(rest[cut - 1]) == std::string_view::npos)
            --cut;
        if (cut == 0)
            cut = CharacterBoundaryAtOrBefore(rest, maximum);
    }
    std::string piece = rest.substr(0, cut);
    std::size_t next = cut;
    while (next < rest.size() && static_cast<unsigned char>(rest[next]) <= ' ')
        ++next;
    rest.erase(0, next);
    return piece;
}

} // namespace hbquor
