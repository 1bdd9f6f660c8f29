// SPDX-License-Identifier: MIT
#include "mailed_passwords.h"

#include "names.h"
#include "passwords.h"
#include "quor_wire/protocol_ids.h"
#include "server_log.h"

#include <ctime>
#include <stdexcept>
#include <utility>

namespace quord {

using namespace quor::wire;

void MailPassword(Outbox &outbox, const Account &account, const std::string &password,
                  const std::string &subject, std::string_view note) {
    outbox.Send(account.email, subject,
                "Hello " + account.name +
                    ",\n\nyour password for the chat service is: " + password + "\n\n" +
                    std::string(note) + "You can change it in your profile after logging on.\n");
}

void MailRequestedPassword(Outbox &outbox, Account &account, const std::string &password,
                           const std::string &hash, std::int64_t now) {
    RetireOldPassword(account, now);
    account.mailedPasswordHash = hash;
    account.passwordMailed = now;
    const std::string hours = std::to_string(kOldPasswordGraceSeconds / 3600);
    MailPassword(outbox, account, password, "Your new password",
                 "Your old password keeps working until you log on with this new one, for " +
                     hours +
                     " hours at most; from then on only the new one works. If you did "
                     "not ask for a new password, someone who knows your name and "
                     "e-mail address did: keep this mail all the same.\n\n");
}

bool RetireOldPassword(Account &account, std::int64_t now) {
    if (account.mailedPasswordHash.empty() ||
        now - account.passwordMailed < kOldPasswordGraceSeconds) {
        return false;
    }
    account.passwordHash = std::exchange(account.mailedPasswordHash, "");
    return true;
}

std::string NewAccountSubject(const std::string &name) {
    return "Your new account " + name;
}

void EnsureAdministrator(AccountStore &store, Outbox &outbox, const std::string &name,
                         const std::string &email, HashCost cost) {
    if (std::optional<Account> existing = store.Find(name)) {
        if (existing->userType != kUserTypeAdministrator || existing->disabled) {
            existing->userType = kUserTypeAdministrator;
            existing->disabled = false;
            store.Update(*existing);
            LogLine("account " + existing->name + " made an administrator");
        }
        return;
    }
    // The operator may choose a reserved word such as "admin", which
    // clients cannot register; pseudo-user prefixes stay refused.
    const std::int32_t problem = CheckNewUserName(name);
    if (problem != 0 && (problem != kErrNameRestricted || name.front() == '$' ||
                         name.front() == '#' || name.front() == '<')) {
        throw std::runtime_error("--admin: '" + name + "' cannot be registered as a user name");
    }
    if (!IsValidEmail(email)) {
        throw std::runtime_error("--admin: '" + email + "' is not a valid e-mail address");
    }
    Account account;
    account.name = name;
    account.email = email;
    account.userType = kUserTypeAdministrator;
    account.created = std::time(nullptr);
    // Before the server serves anyone, so hashing here holds up no client.
    const std::string password = GeneratePassword();
    account.passwordHash = HashPassword(password, cost);
    MailPassword(outbox, account, password, NewAccountSubject(name));
    store.Add(account);
    LogLine("administrator " + name + " created; the password is in " + outbox.folder());
}

} // namespace quord
