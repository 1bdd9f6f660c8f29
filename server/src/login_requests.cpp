// Logging on and off. The password check runs on the password workers; the
// login throttle decides first whether it runs at all.
#include "chat_server.h"

#include "names.h"
#include "server_log.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

namespace {

std::string Seconds(std::int64_t ms) {
    return std::to_string((ms + 999) / 1000) + " s";
}

} // namespace

void ChatServer::Login(Session &session, const QuorMessage &record) {
    std::string name;
    std::string password;
    std::int32_t build = 0;
    std::int32_t loginConstant = 0;
    if (!quor::ExpectFields(record, kLoginRequest, 1, "ssdd",
                            {&name, &password, &build, &loginConstant})) {
        // Not a guess at any account, but still an attempt from the address.
        throttle_.AddressAttempt(session.peer);
        Refuse(session, kErrLoginInvalid, kLoginRequest, name, "malformed");
        AnswerAndClose(session);
        return;
    }
    if (build != kApiBuild) {
        Refuse(session, kErrApiBuild, kLoginRequest, name);
        AnswerAndClose(session);
        return;
    }
    const std::string accountKey = quor::FoldedName(name);
    if (const std::int64_t wait = throttle_.LoginPenaltyLeft(session.peer, accountKey); wait > 0) {
        Refuse(session, kErrLoginInvalid, kLoginRequest, name,
               "throttled from " + session.peer + ", " + Seconds(wait) + " left");
        AnswerAndClose(session);
        return;
    }
    const std::optional<Account> account = store_.Find(name);
    PasswordTask task;
    task.password = std::move(password);
    task.storedHash = account && !account->disabled ? account->passwordHash : decoyHash_;
    PendingWork pending;
    pending.kind = WorkKind::Login;
    pending.account.name = name;
    pending.storedHash = task.storedHash;
    if (!StartPasswordWork(session, kLoginRequest, std::move(task), std::move(pending))) {
        AnswerAndClose(session);
    }
}

void ChatServer::FinishLogin(Session *session, const PendingWork &pending,
                             const PasswordOutcome &outcome) {
    const std::string &name = pending.account.name;
    const std::string accountKey = quor::FoldedName(name);
    std::optional<Account> account = store_.Find(name);
    // The account must still be the one checked: not disabled and with the
    // same password since.
    const bool valid = outcome.verified && account && !account->disabled &&
                       account->passwordHash == pending.storedHash;
    if (!valid) {
        const std::int64_t penalty = throttle_.LoginFailed(pending.peer, accountKey);
        if (session != nullptr) {
            Refuse(*session, kErrLoginInvalid, kLoginRequest, name,
                   "wrong name or password from " + pending.peer +
                       (penalty > 0 ? ", next check in " + Seconds(penalty) : ""),
                   Logging::Always);
            AnswerAndClose(*session);
        }
        return;
    }
    throttle_.LoginSucceeded(accountKey);
    if (!outcome.newHash.empty()) {
        // Made at the current cost; stored even if the client has gone, as
        // the password was right.
        account->passwordHash = outcome.newHash;
        store_.Update(*account);
        LogLine("password hash of " + account->name + " renewed at the current cost");
    }
    if (session == nullptr) {
        return;
    }
    Session *online = OnlineSession(name);
    if (online != nullptr && online->pingAnswered) {
        Refuse(*session, kErrAlreadyOnline, kLoginRequest, name,
               "right password from " + pending.peer, Logging::Always);
        AnswerAndClose(*session);
        return;
    }
    if (!network_.LoggedOn(session->connection)) {
        Refuse(*session, kBusyRefusal, kLoginRequest, name,
               "the most sessions from " + pending.peer + " already", Logging::Always);
        AnswerAndClose(*session);
        return;
    }
    if (online != nullptr) {
        ReplaceSession(*online, pending.peer);
    }
    CompleteLogon(*session, *account);
}

void ChatServer::CompleteLogon(Session &session, Account &account) {
    session.phase = Phase::LoggedOn;
    session.quiet = false;
    session.user = account.name;
    session.userType = account.userType;
    online_[quor::FoldedName(session.user)] = session.connection;
    pingRotation_.push_back(session.connection);
    account.lastLogin = std::time(nullptr);
    store_.Update(account);
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
        QuorMessage record = ServerRecord(session, kOfflineText, "sd",
                                          {text.text, static_cast<std::int32_t>(text.sent)});
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

void ChatServer::ReplaceSession(Session &stale, const std::string &peer) {
    LogLine(Describe(stale) + " is replaced by a logon from " + peer +
            ": it left its last ping unanswered");
    LogOff(stale);
    stale.phase = Phase::Closing;
    stale.user.clear(); // logged off already
    network_.Drop(stale.connection, "replaced by a new logon");
}

} // namespace quord
