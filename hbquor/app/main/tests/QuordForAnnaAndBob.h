// SPDX-License-Identifier: MIT
// The chat server of the end-to-end tests: started on a free loopback port
// with its own data folder and the accounts anna (password anna-pw) and
// bob (password bob-pw).
#pragma once

#include "quord_process.h"

#include <memory>

/// The running server, or null when it did not start.
inline std::unique_ptr<quord::testing::QuordProcess> StartQuordForAnnaAndBob() {
    auto server = std::make_unique<quord::testing::QuordProcess>();
    server->AddAccount("anna", "anna-pw", "anna@example.org");
    server->AddAccount("bob", "bob-pw", "bob@example.org");
    if (!server->Start())
        return nullptr;
    return server;
}
