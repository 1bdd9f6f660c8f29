// SPDX-License-Identifier: MIT
#include "passwords.h"

#include <sodium.h>

#include <stdexcept>

namespace quord {

namespace {

constexpr std::size_t kGeneratedLength = 10;
constexpr std::string_view kAlphabet = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";

void StartSodium() {
    if (sodium_init() < 0) {
        throw std::runtime_error("libsodium cannot start");
    }
}

} // namespace

bool SameSecret(std::string_view given, std::string_view secret) {
    StartSodium();
    // Digests of equal length, so that the comparison runs over as many
    // bytes whatever the lengths.
    unsigned char a[crypto_generichash_BYTES];
    unsigned char b[crypto_generichash_BYTES];
    crypto_generichash(a, sizeof a, reinterpret_cast<const unsigned char *>(given.data()),
                       given.size(), nullptr, 0);
    crypto_generichash(b, sizeof b, reinterpret_cast<const unsigned char *>(secret.data()),
                       secret.size(), nullptr, 0);
    return sodium_memcmp(a, b, sizeof a) == 0;
}

std::string HashPassword(std::string_view password, HashCost cost) {
    StartSodium();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), cost.passes, cost.memoryBytes) !=
        0) {
        throw std::runtime_error("out of memory while hashing a password");
    }
    return hash;
}

bool VerifyPassword(const std::string &hash, std::string_view password) {
    StartSodium();
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

bool NeedsRehash(const std::string &hash, HashCost cost) {
    StartSodium();
    return crypto_pwhash_str_needs_rehash(hash.c_str(), cost.passes, cost.memoryBytes) != 0;
}

std::string GeneratePassword() {
    StartSodium();
    std::string password;
    for (std::size_t i = 0; i < kGeneratedLength; ++i) {
        password += kAlphabet[randombytes_uniform(static_cast<std::uint32_t>(kAlphabet.size()))];
    }
    return password;
}

} // namespace quord
