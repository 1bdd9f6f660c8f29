// SPDX-License-Identifier: MIT
// The floods of the abuse benchmark, each sent by one forked process until
// a deadline: what a hostile or broken client can send quord, before and
// after logging on.
#pragma once

#include <string>
#include <vector>

namespace quord::bench {

inline constexpr const char *kFloodPassword = "flood-pw";
inline constexpr const char *kLockedChannel = "#locked"; // passworded, kept by the benchmark

struct Flood {
    const char *name;
    // Runs in the child until the deadline (seconds of NowSeconds).
    void (*run)(int port, int process, double until);
    int processes; // each from its own loopback address
};

// Every flood, in the order they run.
const std::vector<Flood> &Floods();

// The accounts the floods log on with.
std::vector<std::string> FloodAccounts();

} // namespace quord::bench
