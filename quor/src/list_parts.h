// SPDX-License-Identifier: MIT
// Multi-part server lists (channel members, unregistered names, channels):
// parts gather per session until the last one arrives, then every item is
// raised on the list's callback.
#pragma once

#include "session.h"

#include <cstddef>

namespace quor {

// A list that grows past this many parts without a last part is dropped.
inline constexpr std::size_t kMaxListParts = 4096;

// Takes one part of a 407, 206 or 401 list. The three kinds share one
// accumulator: a first part starts afresh, a last part flushes what has
// gathered by the kind of that last part.
void OnListPart(QuorSession &session, const QuorMessage &part);

} // namespace quor
