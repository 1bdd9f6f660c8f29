// SPDX-License-Identifier: MIT
// Reading and changing profiles. A change with a new password waits for
// its hash from the password workers and is checked again once it is made.
#include "chat_server.h"

#include "log_text.h"
#include "names.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

void ChatServer::SendProfile(Session &session, const QuorMessage &record) {
    std::string name;
    if (!quor::ExpectFields(record, kProfileRequest, 1, "s", {&name})) {
        return;
    }
    if (!quor::SameNameIgnoringCase(name, session.user) && !session.administrator()) {
        Refuse(session, kErrAccessDenied, kProfileRequest, name);
        return;
    }
    const std::optional<Account> account = store_.Find(name);
    if (!account) {
        Refuse(session, kErrNoSuchUser, kProfileRequest, name);
        return;
    }
    // The password field stays empty: no record ever carries a password.
    Reply(session, kProfile, "sssddddd",
          {account->name, "", account->email, account->userType,
           static_cast<std::int32_t>(account->created),
           static_cast<std::int32_t>(account->lastLogin), store_.CountWithEmail(account->email),
           account->disabled ? 1 : 0});
}

void ChatServer::ModifyProfile(Session &session, const QuorMessage &record) {
    std::string name;
    std::string password;
    Account wanted;
    std::int32_t userType = 0;
    std::int32_t unusedCreated = 0;
    std::int32_t unusedLastLogin = 0;
    std::int32_t unusedSelfCreated = 0;
    std::int32_t disabled = 0;
    if (!quor::ExpectFields(record, kProfile, 1, "sssddddd",
                            {&name, &password, &wanted.email, &userType, &unusedCreated,
                             &unusedLastLogin, &unusedSelfCreated, &disabled})) {
        return;
    }
    wanted.userType = userType;
    wanted.disabled = disabled != 0;
    if (!quor::SameNameIgnoringCase(name, session.user) && !session.administrator()) {
        Refuse(session, kErrAccessDenied, kProfile, name);
        return;
    }
    std::optional<Account> account = store_.Find(name);
    if (!account) {
        Refuse(session, kErrNoSuchUser, kProfile, name);
        return;
    }
    wanted.name = account->name;
    if (const std::int32_t error = CheckProfileChange(session, *account, wanted, password);
        error != 0) {
        Refuse(session, error, kProfile, name);
        return;
    }
    if (password.empty()) {
        ApplyProfileChange(session, *account, wanted, "");
        return;
    }
    PendingWork pending;
    pending.kind = WorkKind::ChangeProfile;
    pending.account = std::move(wanted);
    PasswordTask task;
    task.password = std::move(password);
    StartPasswordWork(session, kProfile, std::move(task), std::move(pending));
}

std::int32_t ChatServer::CheckProfileChange(const Session &session, const Account &account,
                                            const Account &wanted, std::string_view password) {
    if (!quor::SameNameIgnoringCase(account.name, session.user) && !session.administrator()) {
        return kErrAccessDenied;
    }
    const bool changesRights =
        wanted.userType != account.userType || wanted.disabled != account.disabled;
    const bool validType =
        wanted.userType == kUserTypeUser || wanted.userType == kUserTypeAdministrator;
    if ((changesRights && !session.administrator()) || !validType) {
        return kErrAccessDenied;
    }
    if (!password.empty() &&
        (password.size() < kMinPasswordLength || password.size() > kMaxPasswordLength)) {
        return kErrBadPassword;
    }
    // A new address obeys the limits it would meet at the account's creation.
    return CheckEmailAddress(wanted.email, account.email);
}

void ChatServer::ApplyProfileChange(Session &session, Account &account, const Account &wanted,
                                    const std::string &newHash) {
    // Checked again: a hash takes a while, and an administrator may have
    // changed the requester's rights meanwhile.
    if (const std::int32_t error = CheckProfileChange(session, account, wanted, ""); error != 0) {
        Refuse(session, error, kProfile, account.name);
        return;
    }
    if (!newHash.empty()) {
        account.passwordHash = newHash;
        account.mailedPasswordHash.clear(); // chosen now: no mailed one works beside it
    }
    account.email = wanted.email;
    account.userType = wanted.userType;
    account.disabled = wanted.disabled;
    store_.Update(account);
    Note(session, "profile of " + LogText(account.name) + " changed by " + Describe(session));
    Reply(session, kProfileChanged, "s", {account.name});
    if (Session *target = OnlineSession(account.name)) {
        target->userType = account.userType;
        if (account.disabled) {
            network_.Drop(target->connection, "account disabled");
        }
    }
}

} // namespace quord
