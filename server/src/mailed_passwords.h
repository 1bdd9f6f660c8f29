// Passwords that the server makes up and mails: for a new account, on a
// password request, after an e-mail change, and for the --admin account.
#pragma once

#include "account_store.h"
#include "outbox.h"
#include "passwords.h"

#include <string>

namespace quord {

// Mails the password to the account's (possibly just changed) address
// under the given subject.
void MailPassword(Outbox &outbox, const Account &account, const std::string &password,
                  const std::string &subject);

// The subject of the mail that brings a new account its password.
std::string NewAccountSubject(const std::string &name);

// Makes sure an administrator account of this name exists: creates it with
// a mailed password, or promotes and enables an existing account. Throws
// std::runtime_error for a name or address that could not be registered.
void EnsureAdministrator(AccountStore &store, Outbox &outbox, const std::string &name,
                         const std::string &email, HashCost cost = kDefaultHashCost);

} // namespace quord
