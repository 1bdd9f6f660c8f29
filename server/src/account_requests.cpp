// Logins, account creation, password requests and profiles.
#include "chat_server.h"

#include "mailed_passwords.h"
#include "names.h"
#include "passwords.h"
#include "quor_wire/protocol_ids.h"
#include "server_log.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

namespace {

std::int32_t Seconds(std::int64_t t) {
    return static_cast<std::int32_t>(t);
}

} // namespace

void ChatServer::Login(Session &session, const QuorMessage &record) {
    std::string name;
    std::string password;
    std::int32_t build = 0;
    std::int32_t loginConstant = 0;
    const bool parsed = quor::ExpectFields(record, kLoginRequest, 1, "ssdd",
                                           {&name, &password, &build, &loginConstant});
    std::int32_t error = 0;
    std::optional<Account> account;
    if (!parsed) {
        error = kErrLoginInvalid;
    } else if (build != kApiBuild) {
        error = kErrApiBuild;
    } else if (account = store_.Find(name);
               !account || account->disabled || !VerifyPassword(account->passwordHash, password)) {
        error = kErrLoginInvalid;
    } else if (OnlineSession(name) != nullptr) {
        error = kErrAlreadyOnline;
    }
    if (error != 0) {
        Refuse(session, error, kLoginRequest, name);
        AnswerAndClose(session);
        return;
    }
    session.phase = Phase::LoggedOn;
    session.user = account->name;
    session.userType = account->userType;
    online_[quor::FoldedName(session.user)] = session.connection;
    account->lastLogin = std::time(nullptr);
    store_.Update(*account);
    LogLine(Describe(session) + " logged on" +
            (session.administrator() ? " as administrator" : ""));

    Reply(session, session.administrator() ? kLoggedOnAdministrator : kLoggedOnUser);
    QuorMessage welcome = ServerRecord(session, kWelcome);
    welcome.setRawText(settings_.welcomeText);
    Send(session.connection, welcome);
    DeliverOfflineTexts(session);
    NotifyWatchers(session.user, StatusOf(session.user));
}

void ChatServer::DeliverOfflineTexts(const Session &session) {
    for (const OfflineText &text : store_.TakeOfflineTexts(session.user)) {
        QuorMessage record =
            ServerRecord(session, kOfflineText, "sd", {text.text, Seconds(text.sent)});
        record.setSender(text.sender);
        Send(session.connection, record);
    }
}

void ChatServer::LogOff(Session &session) {
    LeaveAllChannels(session);
    ForgetContacts(session);
    online_.erase(quor::FoldedName(session.user));
    LogLine(Describe(session) + " logged off");
    NotifyWatchers(session.user, kStatusOffline);
}

void ChatServer::CreateAccount(Session &session, const QuorMessage &record) {
    std::string name;
    std::string email;
    std::int32_t build = 0;
    std::int32_t loginConstant = 0;
    std::int32_t error = kErrBadName;
    if (quor::ExpectFields(record, kCreateAccountRequest, 1, "ssdd",
                           {&name, &email, &build, &loginConstant})) {
        error = CheckNewAccount(session, name, email);
    }
    if (error != 0) {
        Refuse(session, error, kCreateAccountRequest, name);
    } else {
        Account account;
        account.name = name;
        account.email = email;
        account.created = std::time(nullptr);
        account.createdFrom = session.peer;
        AddAccountWithMailedPassword(store_, outbox_, account);
        LogLine("account " + name + " created by " + Describe(session));
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
    if (!IsValidEmail(email)) {
        return kErrEmailInvalid;
    }
    if (store_.CountWithEmail(email) >= kMaxAccountsPerEmail) {
        return kErrTooManyPerEmail;
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
    std::optional<Account> account = store_.Find(name);
    const std::time_t now = std::time(nullptr);
    std::int32_t error = 0;
    if (!account) {
        error = kErrNoSuchUser;
    } else if (!quor::SameNameIgnoringCase(email, account->email)) {
        error = kErrWrongEmail;
    } else if (account->userType == kUserTypeAdministrator) {
        error = kErrIsAdministrator;
    } else if (now - account->passwordMailed < kPasswordMailPause) {
        error = kErrPasswordTooRecent;
    }
    if (error != 0) {
        Refuse(session, error, kPasswordRequest, name);
    } else {
        account->passwordMailed = now;
        MailNewPassword(store_, outbox_, *account, "Your new password");
        LogLine("new password for " + account->name + " mailed on request of " + Describe(session));
        Reply(session, kPasswordMailed);
    }
    AnswerAndClose(session);
}

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
          {account->name, "", account->email, account->userType, Seconds(account->created),
           Seconds(account->lastLogin), store_.CountWithEmail(account->email),
           account->disabled ? 1 : 0});
}

void ChatServer::ModifyProfile(Session &session, const QuorMessage &record) {
    std::string name;
    std::string password;
    std::string email;
    std::int32_t userType = 0;
    std::int32_t unusedCreated = 0;
    std::int32_t unusedLastLogin = 0;
    std::int32_t unusedSelfCreated = 0;
    std::int32_t disabled = 0;
    if (!quor::ExpectFields(record, kProfile, 1, "sssddddd",
                            {&name, &password, &email, &userType, &unusedCreated, &unusedLastLogin,
                             &unusedSelfCreated, &disabled})) {
        return;
    }
    if (!quor::SameNameIgnoringCase(name, session.user) && !session.administrator()) {
        Refuse(session, kErrAccessDenied, kProfile, name);
        return;
    }
    std::optional<Account> account = store_.Find(name);
    if (!account) {
        Refuse(session, kErrNoSuchUser, kProfile, name);
        return;
    }
    const bool changesRights =
        userType != account->userType || (disabled != 0) != account->disabled;
    const bool validType = userType == kUserTypeUser || userType == kUserTypeAdministrator;
    if ((changesRights && !session.administrator()) || !validType) {
        Refuse(session, kErrAccessDenied, kProfile, name);
        return;
    }
    if (!password.empty() &&
        (password.size() < kMinPasswordLength || password.size() > kMaxPasswordLength)) {
        Refuse(session, kErrBadPassword, kProfile, name);
        return;
    }
    if (!IsValidEmail(email)) {
        Refuse(session, kErrEmailInvalid, kProfile, name);
        return;
    }
    if (!password.empty()) {
        account->passwordHash = HashPassword(password);
    }
    account->email = email;
    account->userType = userType;
    account->disabled = disabled != 0;
    store_.Update(*account);
    LogLine("profile of " + account->name + " changed by " + Describe(session));
    Reply(session, kProfileChanged, "s", {account->name});
    if (Session *target = OnlineSession(account->name)) {
        target->userType = account->userType;
        if (account->disabled) {
            network_.Drop(target->connection, "account disabled");
        }
    }
}

void ChatServer::ChangeEmail(Session &session, const QuorMessage &record) {
    std::string email;
    if (!quor::ExpectFields(record, kChangeEmailRequest, 1, "s", {&email})) {
        return;
    }
    std::optional<Account> account = store_.Find(session.user);
    if (!account) {
        return;
    }
    std::int32_t error = 0;
    if (account->userType == kUserTypeAdministrator) {
        error = kErrIsAdministrator;
    } else if (!IsValidEmail(email)) {
        error = kErrEmailInvalid;
    } else if (!quor::SameNameIgnoringCase(email, account->email) &&
               store_.CountWithEmail(email) >= kMaxAccountsPerEmail) {
        error = kErrTooManyPerEmail;
    }
    if (error != 0) {
        Refuse(session, error, kChangeEmailRequest, email);
        return;
    }
    account->email = email;
    MailNewPassword(store_, outbox_, *account, "Your e-mail address was changed");
    LogLine(Describe(session) + " changed the e-mail address; a new password was mailed");
    Reply(session, kEmailChanged);
    AnswerAndClose(session);
}

} // namespace quord
