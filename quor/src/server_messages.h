// SPDX-License-Identifier: MIT
// The records a server sends to a logged-on session, each read by a
// function of its own that raises the caller's callback.
#pragma once

#include "session.h"

#include <cstdint>
#include <string>

namespace quor {

// Reads one received record by its id; records of ids the library does not
// know are ignored.
void DispatchServerMessage(QuorSession &session, const QuorMessage &m);

// An error reply read as far as its fields parse: request id 0 and an empty
// name when nothing parses.
struct ErrorReply {
    int errorId = 0;
    std::int32_t requestId = 0;
    std::string name;
};
ErrorReply ReadErrorReply(const QuorMessage &m);

} // namespace quor
