// SPDX-License-Identifier: MIT
// Logging on and off. The password check runs on the password workers; the
// login throttle decides first whether it runs now, later or not at all.
#include "chat_server.h"

#include "log_text.h"
#include "mailed_passwords.h"
#include "names.h"
#include "server_log.h"

#include <utility>

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

namespace {

std::string Seconds(std::int64_t ms) {
    return std::to_string((ms + 999) / 1000) + " s";
}

// Ends a login check as failed unless told otherwise, also when a database
// failure throws: else its address and account would wait for it forever.
class CheckEnd {
public:
    CheckEnd(LoginThrottle &throttle, const LoginCheck &check)
        : throttle_(throttle), check_(check) {}
    ~CheckEnd() {
        if (!ended_) {
            throttle_.FinishLoginCheck(check_, false);
        }
    }
    CheckEnd(const CheckEnd &) = delete;
    CheckEnd &operator=(const CheckEnd &) = delete;

    // The penalty left for the next attempt.
    std::int64_t End(bool succeeded) {
        ended_ = true;
        return throttle_.FinishLoginCheck(check_, succeeded);
    }

private:
    LoginThrottle &throttle_;
    const LoginCheck &check_;
    bool ended_ = false;
};

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
    const LoginHold hold = HoldLogin(session, name, accountKey);
    if (hold.penaltyLeftMs > 0) {
        Refuse(session, kErrLoginInvalid, kLoginRequest, name,
               "throttled from " + session.peer + ", " + Seconds(hold.penaltyLeftMs) + " left");
        AnswerAndClose(session);
        return;
    }
    if (hold.checkRunning) {
        // Waits rather than being refused, so that several users behind one
        // address who log on together (after a restart of the server, say)
        // all get in. It costs a connection that an address has only so many
        // of, and the check it waits for counted already: once that earned a
        // penalty, the waiting logins are refused when they run again.
        session.held.push_front(record);
        session.awaiting = kWaitingForCheck;
        waitingLogins_.push_back(session.connection);
        return;
    }
    std::optional<Account> account = store_.Find(name);
    const bool usable = account && !account->disabled;
    if (usable) {
        RetireOldPassword(*account, std::time(nullptr));
    }
    PasswordTask task;
    task.password = std::move(password);
    task.storedHash = usable ? account->passwordHash : decoyHash_;
    task.mailedHash = usable ? account->mailedPasswordHash : "";
    PendingWork pending;
    pending.kind = WorkKind::Login;
    pending.account.name = name;
    pending.storedHash = task.storedHash;
    pending.mailedHash = task.mailedHash;
    pending.check = {session.peer, accountKey};
    const LoginCheck check = pending.check;
    if (!StartPasswordWork(session, kLoginRequest, std::move(task), std::move(pending))) {
        AnswerAndClose(session);
        return;
    }
    throttle_.StartLoginCheck(check);
}

LoginHold ChatServer::HoldLogin(const Session &session, const std::string &name,
                                const std::string &accountKey) {
    const LoginHold all = throttle_.HoldFor(session.peer, accountKey, AccountLimits::Apply);
    const LoginHold own = throttle_.HoldFor(session.peer, accountKey, AccountLimits::Waived);
    // The database is asked only when the answer matters.
    return all != own && logonAddresses_.Knows(name, session.peer, std::time(nullptr)) ? own : all;
}

void ChatServer::ResumeWaitingLogins() {
    for (const ConnectionId connection : std::exchange(waitingLogins_, {})) {
        auto it = sessions_.find(connection);
        if (it != sessions_.end() && it->second.awaiting == kWaitingForCheck) {
            it->second.awaiting = 0;
            ReleaseHeld(it->second);
        }
    }
}

void ChatServer::FinishLogin(Session *session, const PendingWork &pending,
                             const PasswordOutcome &outcome) {
    CheckEnd check(throttle_, pending.check);
    const std::string &name = pending.account.name;
    std::optional<Account> account = store_.Find(name);
    const std::time_t now = std::time(nullptr);
    const bool retired = account && RetireOldPassword(*account, now);
    // The account must still be the one checked: not disabled, and the hash
    // that matched still one of its passwords.
    const std::string &matched = outcome.matchedMailed ? pending.mailedHash : pending.storedHash;
    const bool valid = outcome.verified && account && !account->disabled &&
                       (matched == account->passwordHash || matched == account->mailedPasswordHash);
    if (!valid) {
        const std::int64_t penalty = check.End(false);
        if (session != nullptr) {
            Refuse(*session, kErrLoginInvalid, kLoginRequest, name,
                   "wrong name or password from " + pending.peer +
                       (penalty > 0 ? ", next check in " + Seconds(penalty) : ""),
                   Logging::Always);
            AnswerAndClose(*session);
        }
        return;
    }
    check.End(true);
    logonAddresses_.Remember(account->name, pending.peer, now);
    // Stored even if the client has gone, as the password was right.
    const bool adopted = matched == account->mailedPasswordHash;
    if (adopted) {
        account->passwordHash = std::exchange(account->mailedPasswordHash, "");
        LogLine("the password mailed to " + LogText(account->name) + " replaced the old one");
    }
    if (!outcome.newHash.empty()) {
        account->passwordHash = outcome.newHash; // made at the current cost
        LogLine("password hash of " + LogText(account->name) + " renewed at the current cost");
    }
    if (retired || adopted || !outcome.newHash.empty()) {
        store_.Update(*account);
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
