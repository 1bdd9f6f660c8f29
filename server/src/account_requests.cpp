// SPDX-License-Identifier: MIT
// Account creation, password requests and e-mail changes: each mails a
// password the server makes up, whose hash the password workers make. A
// requested one works beside the old one for a while (mailed_passwords.h).
// Everything is checked when the request comes and again when the hash is
// ready, as other clients may have taken the name or the address meanwhile.
#include "chat_server.h"

#include "log_text.h"
#include "mailed_passwords.h"
#include "names.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

bool ChatServer::PassAddressThrottle(Session &session, std::int32_t request,
                                     std::string_view name) {
    if (const std::int64_t wait = throttle_.AddressPenaltyLeft(session.peer); wait > 0) {
        Refuse(session, kThrottledRefusal, request, name,
               "throttled from " + session.peer + ", " + std::to_string((wait + 999) / 1000) +
                   " s left");
        AnswerAndClose(session);
        return false;
    }
    throttle_.AddressAttempt(session.peer);
    return true;
}

void ChatServer::CreateAccount(Session &session, const QuorMessage &record) {
    std::string name;
    std::string email;
    std::int32_t build = 0;
    std::int32_t loginConstant = 0;
    const bool parsed = quor::ExpectFields(record, kCreateAccountRequest, 1, "ssdd",
                                           {&name, &email, &build, &loginConstant});
    if (!PassAddressThrottle(session, kCreateAccountRequest, name)) {
        return;
    }
    const std::int32_t error = parsed ? CheckNewAccount(session, name, email) : kErrBadName;
    if (error != 0) {
        Refuse(session, error, kCreateAccountRequest, name);
        AnswerAndClose(session);
        return;
    }
    if (!StartMailedPassword(session, kCreateAccountRequest, WorkKind::CreateAccount, name,
                             email)) {
        AnswerAndClose(session);
    }
}

bool ChatServer::StartMailedPassword(Session &session, std::int32_t request, WorkKind kind,
                                     const std::string &name, const std::string &email) {
    PendingWork pending;
    pending.kind = kind;
    pending.password = GeneratePassword();
    pending.account.name = name;
    pending.account.email = email;
    PasswordTask task;
    task.password = pending.password;
    return StartPasswordWork(session, request, std::move(task), std::move(pending));
}

void ChatServer::FinishCreateAccount(Session &session, PendingWork &pending,
                                     const std::string &hash) {
    Account &account = pending.account;
    if (const std::int32_t error = CheckNewAccount(session, account.name, account.email);
        error != 0) {
        Refuse(session, error, kCreateAccountRequest, account.name);
    } else {
        account.passwordHash = hash;
        account.created = std::time(nullptr);
        account.createdFrom = session.peer;
        MailPassword(outbox_, account, pending.password, NewAccountSubject(account.name));
        store_.Add(account);
        Note(session, "account " + LogText(account.name) + " created by " + Describe(session));
        Reply(session, kAccountCreated);
    }
    AnswerAndClose(session);
}

std::int32_t ChatServer::CheckNewAccount(const Session &session, const std::string &name,
                                         const std::string &email) {
    if (const std::int32_t error = CheckNewUserName(name); error != 0) {
        return error;
    }
    if (!settings_.registrationOpen) {
        return kErrRegistrationClosed;
    }
    if (store_.Find(name)) {
        return kErrNameTaken;
    }
    if (const std::int32_t error = CheckEmailAddress(email, ""); error != 0) {
        return error;
    }
    const std::int64_t hourAgo = std::time(nullptr) - 3600;
    if (store_.CountCreatedFromSince(session.peer, hourAgo) >= kMaxAccountsPerAddressPerHour) {
        return kErrTooManyRecent;
    }
    return 0;
}

void ChatServer::RequestPassword(Session &session, const QuorMessage &record) {
    std::string name;
    std::string email;
    std::int32_t build = 0;
    std::int32_t loginConstant = 0;
    quor::ExpectFields(record, kPasswordRequest, 1, "ssdd",
                       {&name, &email, &build, &loginConstant});
    if (!PassAddressThrottle(session, kPasswordRequest, name)) {
        return;
    }
    const std::optional<Account> account = store_.Find(name);
    if (const std::int32_t error = CheckPasswordRequest(account, email); error != 0) {
        Refuse(session, error, kPasswordRequest, name);
        AnswerAndClose(session);
        return;
    }
    if (!StartMailedPassword(session, kPasswordRequest, WorkKind::RequestPassword, account->name,
                             email)) {
        AnswerAndClose(session);
    }
}

std::int32_t ChatServer::CheckPasswordRequest(const std::optional<Account> &account,
                                              const std::string &email) {
    if (!account) {
        return kErrNoSuchUser;
    }
    if (!quor::SameNameIgnoringCase(email, account->email)) {
        return kErrWrongEmail;
    }
    if (account->userType == kUserTypeAdministrator) {
        return kErrIsAdministrator;
    }
    if (std::time(nullptr) - account->passwordMailed < kPasswordMailPause) {
        return kErrPasswordTooRecent;
    }
    return 0;
}

void ChatServer::FinishRequestPassword(Session &session, PendingWork &pending,
                                       const std::string &hash) {
    std::optional<Account> account = store_.Find(pending.account.name);
    if (const std::int32_t error = CheckPasswordRequest(account, pending.account.email);
        error != 0) {
        Refuse(session, error, kPasswordRequest, pending.account.name);
    } else {
        MailRequestedPassword(outbox_, *account, pending.password, hash, std::time(nullptr));
        store_.Update(*account);
        Note(session, "new password for " + LogText(account->name) + " mailed on request of " +
                          Describe(session));
        Reply(session, kPasswordMailed);
    }
    AnswerAndClose(session);
}

void ChatServer::ChangeEmail(Session &session, const QuorMessage &record) {
    std::string email;
    if (!quor::ExpectFields(record, kChangeEmailRequest, 1, "s", {&email})) {
        return;
    }
    const std::optional<Account> account = store_.Find(session.user);
    if (!account) {
        return;
    }
    if (const std::int32_t error = CheckEmailChange(*account, email); error != 0) {
        Refuse(session, error, kChangeEmailRequest, email);
        return;
    }
    StartMailedPassword(session, kChangeEmailRequest, WorkKind::ChangeEmail, account->name, email);
}

std::int32_t ChatServer::CheckEmailChange(const Account &account, const std::string &email) {
    if (account.userType == kUserTypeAdministrator) {
        return kErrIsAdministrator;
    }
    return CheckEmailAddress(email, account.email);
}

std::int32_t ChatServer::CheckEmailAddress(std::string_view email, std::string_view current) {
    if (!IsValidEmail(email)) {
        return kErrEmailInvalid;
    }
    if (!quor::SameNameIgnoringCase(email, current) &&
        store_.CountWithEmail(email) >= kMaxAccountsPerEmail) {
        return kErrTooManyPerEmail;
    }
    return 0;
}

void ChatServer::FinishChangeEmail(Session &session, PendingWork &pending,
                                   const std::string &hash) {
    std::optional<Account> account = store_.Find(pending.account.name);
    if (!account) {
        return;
    }
    const std::string &email = pending.account.email;
    if (const std::int32_t error = CheckEmailChange(*account, email); error != 0) {
        Refuse(session, error, kChangeEmailRequest, email);
        return;
    }
    account->email = email;
    account->passwordHash = hash;
    account->mailedPasswordHash.clear(); // the session is authenticated: the new one alone
    MailPassword(outbox_, *account, pending.password, "Your e-mail address was changed");
    store_.Update(*account);
    Note(session, Describe(session) + " changed the e-mail address; a new password was mailed");
    Reply(session, kEmailChanged);
    AnswerAndClose(session);
}

} // namespace quord
