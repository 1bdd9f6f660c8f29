#include "mailed_passwords.h"

#include "names.h"
#include "passwords.h"
#include "quor_wire/protocol_ids.h"
#include "server_log.h"

#include <ctime>
#include <stdexcept>

namespace quord {

using namespace quor::wire;

void MailPassword(Outbox &outbox, const Account &account, const std::string &password,
                  const std::string &subject) {
    outbox.Send(account.email, subject,
                "Hello " + account.name + ",\n\nyour password for the chat service is: " +
                    password + "\n\nYou can change it in your profile after logging on.\n");
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
