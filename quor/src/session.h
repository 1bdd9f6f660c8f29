// SPDX-License-Identifier: MIT
// A session: one connection plus what the library keeps for the caller
// between requests and server messages.
#pragma once

#include "connection.h"

#include <string>
#include <vector>

namespace quor {

class QuorSession : public QuorConnection {
public:
    using QuorConnection::QuorConnection;

    std::vector<std::string> contacts;
    // Parts of a multi-part server list received so far.
    std::vector<QuorMessage> listParts;
    int userData = 0;
};

} // namespace quor
