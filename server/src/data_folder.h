// SPDX-License-Identifier: MIT
// The data folder and what quord keeps in it: the database with SQLite's
// files beside it, the outbox of mails and the log that `make run` writes
// there. They hold password hashes, e-mail addresses and mailed passwords,
// so they are private to the account that runs the server: folders 0700,
// files 0600, whatever the umask was when they were made.
#pragma once

#include <string>

namespace quord {

inline constexpr const char *kDatabaseFile = "quord.db";
inline constexpr const char *kOutboxFolder = "outbox";

// Creates the folder when missing and takes group and other access away
// from it, from the outbox folder and from the files quord keeps in them,
// logging each change. Symbolic links are left alone. Throws
// std::runtime_error when the folder cannot be made.
void PrepareDataFolder(const std::string &folder);

} // namespace quord
