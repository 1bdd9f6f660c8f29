// SPDX-License-Identifier: MIT
// Cutting typed text into the pieces the library can carry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hbquor {

// The library's text field holds 399 bytes of UTF-8, so no piece is longer.
inline constexpr std::size_t kMaxTextPiece = 399;
// Characters after which a piece may end (all ASCII, so a cut after one
// never falls inside a UTF-8 character).
inline constexpr std::string_view kTextSeparators = " .,:;";

// Replaces every character below the blank except the tab by a blank.
std::string FlattenControlCharacters(std::string_view text);

// Cuts one piece of at most maximum bytes off the front of rest and
// returns it. When rest is longer, the piece ends at the limit if the next
// character is a blank, otherwise after the last separator within the
// limit, otherwise at the last UTF-8 character boundary within the limit.
// What remains loses its leading blanks and control characters; apart from
// those, the pieces of a valid UTF-8 text join up to exactly that text.
std::string SplitChunk(std::string &rest, std::size_t maximum, std::string_view separators);

} // namespace hbquor
