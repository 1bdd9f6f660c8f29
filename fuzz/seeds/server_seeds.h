// SPDX-License-Identifier: MIT
// Seeds of fuzz_server_requests: scenarios a client population plays
// against the server, in the input layout of support/server_requests_input.h.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quor::fuzz {

// Each seed's file name and bytes.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> ServerRequestSeeds();

} // namespace quor::fuzz
