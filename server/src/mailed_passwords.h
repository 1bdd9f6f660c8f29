// SPDX-License-Identifier: MIT
// Passwords that the server makes up and mails: for a new account, on a
// password request, after an e-mail change, and for the --admin account.
// A password request must not lock the owner out when a stranger makes it,
// so the old password keeps working beside the mailed one until the mailed
// one is used, or for kOldPasswordGraceSeconds.
#pragma once

#include "account_store.h"
#include "outbox.h"
#include "passwords.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quord {

inline constexpr std::int64_t kOldPasswordGraceSeconds = 24 * 3600;

// Mails the password to the account's (possibly just changed) address
// under the given subject, with an optional paragraph after it.
void MailPassword(Outbox &outbox, const Account &account, const std::string &password,
                  const std::string &subject, std::string_view note = "");

// Mails the password made on request and keeps its hash beside the old one.
void MailRequestedPassword(Outbox &outbox, Account &account, const std::string &password,
                           const std::string &hash, std::int64_t now);

// Makes the mailed password the only one once the old one's grace has run
// out; true when this changed the account.
bool RetireOldPassword(Account &account, std::int64_t now);

// The subject of the mail that brings a new account its password.
std::string NewAccountSubject(const std::string &name);

// Makes sure an administrator account of this name exists: creates it with
// a mailed password, or promotes and enables an existing account. Throws
// std::runtime_error for a name or address that could not be registered.
void EnsureAdministrator(AccountStore &store, Outbox &outbox, const std::string &name,
                         const std::string &email, HashCost cost = kDefaultHashCost);

} // namespace quord
