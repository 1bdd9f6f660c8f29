// SPDX-License-Identifier: MIT
// Client-supplied strings as they may stand in a log line: a name holding a
// newline or an escape sequence must not forge a line of its own or steer
// the terminal of whoever reads the log, and a long one must not make the
// line long.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quord {

// Bytes of escaped text kept; enough for any valid name or e-mail address.
inline constexpr std::size_t kLogTextLimit = 256;

// The text with control bytes, backslashes and bytes that are not UTF-8
// written as \xNN, and the characters that break or reorder lines (C1
// controls, U+2028, U+2029, the bidirectional embeddings, overrides and
// isolates) as \uNNNN. Valid UTF-8 otherwise stays as it is. Beyond limit
// bytes the text is cut before a whole character or escape and ends with
// "...[N bytes]", N being the length of the text given.
std::string LogText(std::string_view text, std::size_t limit = kLogTextLimit);

} // namespace quord
