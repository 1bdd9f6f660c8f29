// SPDX-License-Identifier: MIT
// How the chat service treats user, contact and channel names: they are
// trimmed of blanks and control characters at both ends and compared
// ignoring the case of the letters A to Z only, whatever the host's locale
// (every other byte, including those of non-ASCII characters, must match).
// The library, the server and the program all follow these rules, so they
// live here once.
#pragma once

#include <string>
#include <string_view>

namespace quor {

// The name without the leading and trailing bytes at or below the blank.
std::string_view TrimName(std::string_view name);

// Equal ignoring the case of A to Z only.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// Negative, zero or positive as a sorts before, with or after b when A to Z
// are folded to lower case and bytes are compared unsigned. Names equal in
// this way compare as zero.
int CompareNamesIgnoringCase(std::string_view a, std::string_view b);

// The name with A to Z folded to a to z: a key under which names that
// differ only in the case of those letters are found together.
std::string FoldedName(std::string_view name);

// True when the (already trimmed) name is a channel name: it begins with '#'.
bool IsChannelName(std::string_view name);

} // namespace quor
