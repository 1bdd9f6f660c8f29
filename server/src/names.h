// SPDX-License-Identifier: MIT
// Rules for the names and addresses clients send: user names, channel names
// and e-mail addresses. Names compare without regard to the case of A to Z.
#pragma once

#include "quor_names/names.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quord {

inline constexpr std::size_t kMaxUserNameLength = 31;
inline constexpr std::size_t kMaxChannelNameLength = 31; // '#' and 30 characters

// 0 when the name may be registered, else the error id: 124 for a length
// outside 1 to 31, 125 for a restricted name (starting with '$', '#' or '<',
// or one of the reserved words), 106 for characters other than letters,
// digits, '_', '-' and '.'.
std::int32_t CheckNewUserName(std::string_view name);

// '#' followed by 1 to 30 printable characters other than the list
// separators ',' and ';' and spaces.
bool IsValidChannelName(std::string_view name);

// A plausible single address: local part, one '@', a domain with a dot,
// printable characters without spaces, at most 254 characters.
bool IsValidEmail(std::string_view address);

// True for the pseudo-user that addresses every online user, in any case.
bool IsBroadcastName(std::string_view name);

} // namespace quord
