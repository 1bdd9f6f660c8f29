// Passwords that the server makes up and mails: for a new account, on a
// password request, after an e-mail change, and for the --admin account.
#pragma once

#include "account_store.h"
#include "outbox.h"

#include <string>

namespace quord {

// Adds the account with a new random password and mails the password to
// the account's address.
void AddAccountWithMailedPassword(AccountStore &store, Outbox &outbox, Account account);

// Gives the account a new random password, stores it and mails it to the
// account's (possibly just changed) address under the given subject.
void MailNewPassword(AccountStore &store, Outbox &outbox, Account &account,
                     const std::string &subject);

// Makes sure an administrator account of this name exists: creates it with
// a mailed password, or promotes and enables an existing account. Throws
// std::runtime_error for a name or address that could not be registered.
void EnsureAdministrator(AccountStore &store, Outbox &outbox, const std::string &name,
                         const std::string &email);

} // namespace quord
