// Cutting typed text into the pieces the library can carry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hbquor {

// The library's text field holds 399 characters, so no piece is longer.
inline constexpr std::size_t kMaxTextPiece = 399;
// Characters after which a piece may end.
inline constexpr std::string_view kTextSeparators = " .,:;";

// Replaces every character below the blank except the tab by a blank.
std::string FlattenControlCharacters(std::string_view text);

// Cuts one piece of at most maximum characters off the front of rest and
// returns it. When rest is longer, the piece ends at the limit if the next
// character is a blank, otherwise after the last separator within the
// limit, otherwise at the limit. What remains loses its leading blanks and
// control characters.
std::string SplitChunk(std::string &rest, std::size_t maximum, std::string_view separators);

} // namespace hbquor
