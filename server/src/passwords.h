// Password hashes (libsodium's crypto_pwhash_str) and generated passwords.
#pragma once

#include <string>
#include <string_view>

namespace quord {

// A self-describing hash string of the password; throws std::runtime_error
// when libsodium cannot start or runs out of memory.
std::string HashPassword(std::string_view password);

// True when the password matches a hash made by HashPassword.
bool VerifyPassword(const std::string &hash, std::string_view password);

// A random password of 10 letters and digits, without look-alikes.
std::string GeneratePassword();

} // namespace quord
