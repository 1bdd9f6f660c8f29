// SPDX-License-Identifier: MIT
// Texts for every error code the session layer hands to the windows:
// its own negative codes, socket errors and the library's codes.
#pragma once

#include <string>

namespace hbquor {

// "" for 0, "internal error" for -10000 to -1, the socket error table for
// the socket codes it knows, and the library's text for everything else.
std::string ErrorText(int code);

} // namespace hbquor
