// SPDX-License-Identifier: MIT
// The chat service on top of the network loop: sessions and logins,
// accounts and profiles, texts (private, offline, channel, broadcast),
// pings, online status, contact notices and channels. Every record a client
// sends is checked before it is used; anything malformed is ignored or
// refused with an error reply and logged.
//
// Requests that check or make a password hash (logins, account creation,
// password requests, e-mail and password changes) hand that work to the
// password workers and finish when FinishPasswordWork finds it done; the
// client's later records wait for it, so its requests keep their order.
// Logins and the requests that mail passwords pass the login throttle first;
// a login waits while another check of its address or account runs.
#pragma once

#include "account_store.h"
#include "channel_registry.h"
#include "connection_line_budget.h"
#include "login_throttle.h"
#include "logon_addresses.h"
#include "network.h"
#include "outbox.h"
#include "password_work.h"
#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <cstdint>
#include <ctime>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quord {

struct ChatSettings {
    bool registrationOpen = true;
    std::string welcomeText = "Welcome to quord.";
    HashCost hashCost = kDefaultHashCost; // of every new hash
    int pingIntervalMs = 20000;           // between two pings of one client
    LineBudgetRules logLines;             // per connection
};

// A session that has answered none of this many pings in a row is closed:
// its client hung or lost its network. Pings whose answers may still wait
// unread, because the session's input was paused, are not counted.
inline constexpr int kMissedPingsToClose = 3;

// Pings are spread over the ping interval: each timer tick pings the share
// of the logged-on clients that keeps every one pinged once per interval,
// and the ticks come as often as it takes to ping about kPingsPerTick at a
// time, within these bounds. So thousands of clients are not all pinged
// (and do not all answer) at once, and the loop is never held up long by a
// batch of pings; an idle server wakes once a second.
inline constexpr int kMinPingTickMs = 2;
inline constexpr int kMaxPingTickMs = 1000;
inline constexpr std::size_t kPingsPerTick = 2;

// Limits the service enforces.
inline constexpr int kMaxOfflineTexts = 50;
// Of a recipient's offline texts, those one sender may have waiting, so
// that one sender cannot fill the queue for everyone.
inline constexpr int kMaxOfflineTextsPerSender = 10;
inline constexpr std::size_t kMaxChannelsPerUser = 20;
inline constexpr int kMaxAccountsPerEmail = 3;
inline constexpr int kMaxAccountsPerAddressPerHour = 5;
inline constexpr std::time_t kPasswordMailPause = 5 * 60;
// Records a client may send while its password work runs; beyond that it
// is dropped.
inline constexpr std::size_t kMaxHeldRecords = 256;
// What a session waits for while its login waits for another check of its
// address or account to finish; its records are held meanwhile.
inline constexpr WorkTicket kWaitingForCheck = ~WorkTicket{0};
// The answer when the password workers' queue is full. The client reads a
// login refusal only as 100, 107 or 113; of these 100 ("login invalid")
// misleads least, as trying again is the right reaction. For the other
// requests the client has no entry for 100 and reports "connection could
// not be established", which is what a busy server amounts to.
inline constexpr std::int32_t kBusyRefusal = quor::wire::kErrLoginInvalid;
// The answer to account-creation and password requests from an address that
// waits out a penalty: "IP address banned" (for a while).
inline constexpr std::int32_t kThrottledRefusal = quor::wire::kErrAddressBanned;
inline constexpr std::size_t kMaxContacts = 1000;
// A contact list costs a token of its session's budget for this many names
// on top of its records: each name not online is looked up in the store.
inline constexpr std::size_t kContactsPerToken = 10;
inline constexpr std::size_t kMinPasswordLength = 4;
inline constexpr std::size_t kMaxPasswordLength = 128;

class ChatServer : public NetworkHandler {
public:
    // Makes a decoy hash at the settings' cost (see Login).
    ChatServer(Transport &network, AccountStore &store, Outbox &outbox, PasswordWorkers &workers,
               LoginThrottle &throttle, ChatSettings settings);

    // peerAddress is the address key (address_table.h).
    void OnOpened(ConnectionId connection, const std::string &peerAddress, bool quiet) override;
    void OnRecord(ConnectionId connection, const quor::QuorMessage &record) override;
    void OnClosed(ConnectionId connection) override;
    // Pings the next share of the logged-on clients and does the
    // housekeeping; returns when to be called again (see kPingsPerTick).
    int OnTimer() override;

    // Completes the requests whose password work is done. Work of a
    // connection that has closed meanwhile is dropped (a login's failure
    // still counts against its address and account).
    void FinishPasswordWork();

private:
    enum class Phase { Opening, LoggedOn, Closing };

    struct Session {
        ConnectionId connection = 0;
        std::string peer; // the client's address key, for limits and throttling
        Phase phase = Phase::Opening;
        bool quiet = false;      // its routine lines are left out of the log until it logs on
        WorkTicket awaiting = 0; // password work the session waits for
        std::deque<quor::QuorMessage> held; // records that arrived meanwhile
        std::string user;                   // the account name as registered, once logged on
        int userType = kUserTypeUser;
        std::vector<std::string> contacts;            // as the client wrote them
        std::vector<std::string> incomingContacts;    // parts of a list still arriving
        std::unordered_set<std::string> incomingKeys; // their name keys, to drop duplicates
        bool receivingContacts = false;
        bool pingAnswered = true;       // the last ping sent to it has been answered
        int missedPings = 0;            // pings in a row left unanswered, see kMissedPingsToClose
        std::set<std::string> channels; // name keys

        bool administrator() const { return userType == kUserTypeAdministrator; }
        std::uint8_t onlineStatus() const {
            return administrator() ? quor::wire::kStatusOnlineAdministrator
                                   : quor::wire::kStatusOnlineUser;
        }
    };

    // What a request does once its password work is done.
    enum class WorkKind { Login, CreateAccount, RequestPassword, ChangeEmail, ChangeProfile };
    struct PendingWork {
        WorkKind kind = WorkKind::Login;
        ConnectionId connection = 0;
        std::string peer;       // the requesting client's address key
        std::string storedHash; // Login: the hash the password was checked against
        std::string mailedHash; // Login: and the hash of a password mailed on request
        LoginCheck check;       // Login: as the throttle counts it
        std::string password;   // made up by the server, to be mailed
        Account account;        // the account as requested: name, e-mail, type, disabled
    };

    // chat_server.cpp: dispatch and the helpers every request uses.
    // Runs one step of a client's requests. A failing database or mail
    // folder must not take the service down: the client that hit it loses
    // its connection.
    template <typename Step> void Guarded(ConnectionId connection, Step &&step);
    void Dispatch(Session &session, const quor::QuorMessage &record);
    // Hands the work over; false (after refusing the request as busy with
    // the request's id) when the workers' queue is full.
    bool StartPasswordWork(Session &session, std::int32_t request, PasswordTask task,
                           PendingWork pending);
    void FinishWork(PendingWork &pending, const PasswordOutcome &outcome);
    // Dispatches the records held while the session waited.
    void ReleaseHeld(Session &session);
    void DispatchLoggedOn(Session &session, const quor::QuorMessage &record);
    // A record from the server to the session's user, fields packed.
    quor::QuorMessage ServerRecord(const Session &session, std::int32_t id,
                                   std::string_view signature = "",
                                   const std::vector<quor::FieldValue> &values = {}) const;
    void Send(ConnectionId connection, quor::QuorMessage record);
    // A record from one client to another: the sender waits while the
    // recipient reads too slowly.
    void Relay(const Session &from, ConnectionId to, quor::QuorMessage record);
    // A record to one of many (channel members, everyone): left out for a
    // recipient that reads too slowly.
    void SendUnlessCongested(ConnectionId connection, quor::QuorMessage record);
    void Reply(const Session &session, std::int32_t id, std::string_view signature = "",
               const std::vector<quor::FieldValue> &values = {});
    void ReplyList(const Session &session, std::int32_t id, const std::vector<std::string> &items);
    // Whether a line is logged for a quiet session too and beyond the
    // connection's line budget: those that tell what a password check
    // decided are (the throttle keeps them few), routine ones not.
    enum class Logging { Routine, Always };
    // Logs a line about the session within its connection's line budget.
    void Note(const Session &session, const std::string &text, Logging logging = Logging::Routine);
    // Error reply (request id, the name concerned), logged as refused with
    // the reason when there is one.
    void Refuse(const Session &session, std::int32_t error, std::int32_t request,
                std::string_view name, std::string_view why = "",
                Logging logging = Logging::Routine);
    // Answers a connection's single opening request and closes it.
    void AnswerAndClose(Session &session);
    Session *OnlineSession(std::string_view name);
    std::uint8_t StatusOf(std::string_view name);
    std::string Describe(const Session &session) const;

    // housekeeping.cpp
    // Reports the lines that connections' budgets left out in windows that
    // have ended, and removes old mails once an hour.
    void Housekeep();
    std::string LeftOutReport(const Session &session,
                              const ConnectionLineBudget::LeftOut &leftOut) const;

    // login_requests.cpp
    void Login(Session &session, const quor::QuorMessage &record);
    // The throttle's hold on a login, the account's share of it waived for
    // an address the account has logged on from recently.
    LoginHold HoldLogin(const Session &session, const std::string &name,
                        const std::string &accountKey);
    // Runs the logins that waited for a check again, in their order.
    void ResumeWaitingLogins();
    void FinishLogin(Session *session, const PendingWork &pending, const PasswordOutcome &outcome);
    void CompleteLogon(Session &session, Account &account);
    // Closes an online session that left the last ping unanswered, so that
    // the account's owner can log on again.
    void ReplaceSession(Session &stale, const std::string &peer);
    // Pings the session, or closes it after kMissedPingsToClose misses;
    // false when it was closed.
    bool PingOrClose(Session &session, std::int32_t now);
    void DeliverOfflineTexts(const Session &session);
    void LogOff(Session &session);

    // account_requests.cpp
    // False (after refusing with kThrottledRefusal) while the session's
    // address waits out a penalty; else counts the attempt.
    bool PassAddressThrottle(Session &session, std::int32_t request, std::string_view name);
    // Makes up a password and hands its hashing over; false as
    // StartPasswordWork.
    bool StartMailedPassword(Session &session, std::int32_t request, WorkKind kind,
                             const std::string &name, const std::string &email);
    void CreateAccount(Session &session, const quor::QuorMessage &record);
    void FinishCreateAccount(Session &session, PendingWork &pending, const std::string &hash);
    std::int32_t CheckNewAccount(const Session &session, const std::string &name,
                                 const std::string &email);
    // 0 when an account whose address is `current` may take `email`, else
    // the error: the same rules for a new account, an e-mail change and a
    // profile change.
    std::int32_t CheckEmailAddress(std::string_view email, std::string_view current);
    void RequestPassword(Session &session, const quor::QuorMessage &record);
    std::int32_t CheckPasswordRequest(const std::optional<Account> &account,
                                      const std::string &email);
    void FinishRequestPassword(Session &session, PendingWork &pending, const std::string &hash);
    void ChangeEmail(Session &session, const quor::QuorMessage &record);
    std::int32_t CheckEmailChange(const Account &account, const std::string &email);
    void FinishChangeEmail(Session &session, PendingWork &pending, const std::string &hash);

    // profile_requests.cpp
    void SendProfile(Session &session, const quor::QuorMessage &record);
    void ModifyProfile(Session &session, const quor::QuorMessage &record);
    // 0 when the session may give the account these settings and the new
    // password (empty: unchanged), else the error.
    std::int32_t CheckProfileChange(const Session &session, const Account &account,
                                    const Account &wanted, std::string_view password);
    // Stores the wanted settings (and a new hash, when not empty) and answers.
    void ApplyProfileChange(Session &session, Account &account, const Account &wanted,
                            const std::string &newHash);

    // message_requests.cpp
    void RelayText(Session &session, const quor::QuorMessage &record);
    void RelayChannelText(Session &session, quor::QuorMessage text);
    void StoreOfflineText(Session &session, const quor::QuorMessage &record);
    void RelayPing(Session &session, const quor::QuorMessage &record);
    void RelayPingReply(Session &session, const quor::QuorMessage &record);
    void AnswerIsOnline(Session &session, const quor::QuorMessage &record);
    void ReceiveContacts(Session &session, const quor::QuorMessage &part);
    void AnswerContacts(Session &session);
    void ForgetContacts(Session &session);
    // 408 to every online user whose contact list holds the name.
    void NotifyWatchers(std::string_view name, std::uint8_t status);

    // channel_requests.cpp
    void ChannelRequest(Session &session, const quor::QuorMessage &record);
    void JoinChannel(Session &session, const std::string &name, std::int32_t inviteOnly,
                     const std::string &password);
    // 0 when the password opens the passworded channel, else the error
    // and why.
    std::int32_t CheckChannelPassword(const Session &session, const Channel &channel,
                                      const std::string &password, std::string &why);
    void LeaveChannel(Session &session, const std::string &name);
    void LeaveAllChannels(Session &session);
    void SendChannelList(Session &session);
    void Invite(Session &session, const quor::QuorMessage &record);
    void SendToMembers(const Channel &channel, const quor::QuorMessage &record,
                       ConnectionId except);

    Transport &network_;
    AccountStore &store_;
    Outbox &outbox_;
    PasswordWorkers &workers_;
    LoginThrottle &throttle_;
    ChatSettings settings_;
    // Checked instead of a missing or disabled account's hash, so that the
    // answer takes as long as for an existing account.
    std::string decoyHash_;
    WorkTicket nextTicket_ = 1;
    std::unordered_map<WorkTicket, PendingWork> pending_;
    // Sessions whose login waits for a check (kWaitingForCheck), oldest
    // first; no more than there are connections.
    std::deque<ConnectionId> waitingLogins_;
    LogonAddresses logonAddresses_;
    std::unordered_map<ConnectionId, Session> sessions_;
    std::unordered_map<std::string, ConnectionId> online_; // by name key
    // Logged-on connections in the order of their next ping; connections
    // that have gone leave it when their turn comes.
    std::deque<ConnectionId> pingRotation_;
    double pingCredit_ = 0;           // pings due but not yet sent, in fractions
    int pingTickMs_ = kMaxPingTickMs; // since the last tick
    // name key -> the sessions whose contact list holds it, with their spelling
    std::unordered_map<std::string, std::unordered_map<ConnectionId, std::string>> watchers_;
    ChannelRegistry channels_;
    ConnectionLineBudget lineBudget_;
    std::time_t nextMailExpiry_ = 0; // at the first tick, then hourly
};

} // namespace quord
