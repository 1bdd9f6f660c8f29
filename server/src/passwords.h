// SPDX-License-Identifier: MIT
// Password hashes (libsodium's argon2id crypto_pwhash_str) and generated
// passwords. Hashing is slow on purpose; the server runs it on its hashing
// threads (hash_pool.h), never on the event loop.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quord {

// The work a new hash costs: passes over the memory and the memory itself.
struct HashCost {
    unsigned long long passes = 2;
    std::size_t memoryBytes = 19u * 1024 * 1024;
};

// Password storage parameters recommended for argon2id: 19 MiB, 2 passes.
inline constexpr HashCost kDefaultHashCost{};
// The least argon2id accepts: for tests and benchmarks that hash a lot.
inline constexpr HashCost kCheapHashCost{1, 8 * 1024};

// A self-describing hash string of the password; throws std::runtime_error
// when libsodium cannot start or runs out of memory.
std::string HashPassword(std::string_view password, HashCost cost = kDefaultHashCost);

// True when the password matches a hash made by HashPassword at any cost.
bool VerifyPassword(const std::string &hash, std::string_view password);

// True when the hash was made at another cost (or is no hash of ours), so a
// verified password should be hashed again.
bool NeedsRehash(const std::string &hash, HashCost cost);

// Whether two secrets (channel passwords) are equal, compared in a time
// that tells nothing of where they differ or how long the right one is.
bool SameSecret(std::string_view given, std::string_view secret);

// A random password of 10 letters and digits, without look-alikes.
std::string GeneratePassword();

} // namespace quord
