// Name handling shared by sessions, contacts and channels: names are
// trimmed of blanks and control characters at both ends and compared
// ignoring the case of the letters A to Z only (other bytes must match).
#pragma once

#include <string>
#include <string_view>

namespace hbquor {

// The name without leading and trailing characters at or below the blank.
std::string TrimName(std::string_view name);
// Equal ignoring the case of A to Z only.
bool SameName(std::string_view a, std::string_view b);
// True when the (already trimmed) name is a channel name: it begins with '#'.
bool IsChannelName(std::string_view name);

} // namespace hbquor
