// SPDX-License-Identifier: MIT
// ChatClient: the program's client core, the one object that holds the
// session with the chat service; the windows only show what it announces
// and call its commands. It owns the session manager, the library's driver,
// the TLS set-up, the retries after a lost connection and the channels they
// rejoin, the unread lines of each conversation and channel, the last
// invitation sent and the server's address, and it knows which account is
// logged on.
//
// It is the one handler of every session manager event (that contract stays
// one handler per event) and announces each again as a Qt signal with named
// arguments (ClientEvents.h), after its own part: the own profile is asked
// for on every logon, the channel list after every welcome, a received text
// is counted as unread for its conversation, and a lost connection or a failed retry goes
// to the retries first. Any number of listeners connect to the signals.
//
// Nothing here shows a window or a message box: signals fire inside library
// callbacks, so a listener that shows a box queues it.
#pragma once

#include "ClientEvents.h"
#include "ConnectionSettings.h"
#include "InvitationMemory.h"
#include "JoinedChannels.h"
#include "ReconnectBackoff.h"
#include "Reconnector.h"
#include "SendRefusal.h"
#include "ServerAddress.h"
#include "UnreadCounts.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace hbquor::client {

class LibraryDriver;
class ProxySetup;
class TlsSetup;

class ChatClient : public QObject {
    Q_OBJECT

public:
    /// What the core takes from outside; everything has a working default.
    struct Options {
        /// The current VRT time as a day count; the session layer's clock
        /// when not set.
        std::function<double()> VrtClock;
        /// The clock and the random draw of the retries; the steady clock
        /// and a seeded generator when not set.
        Reconnector::Clock ReconnectClock;
        ReconnectBackoff::Random ReconnectRandom;
    };

    /// A core without a session that leaves the library as it is set up
    /// until SetConnectionSettings; the library is not initialised yet
    /// (Init).
    explicit ChatClient(Options options = {}, QObject *parent = nullptr);
    /// Ends every session and the library; nothing is announced meanwhile.
    ~ChatClient() override;

    // ---- Start-up ----
    /// The server, TLS, the proxy and the retries. TLS, the proxy and the
    /// server go to the library at once and apply to later logons; a CA file
    /// that cannot be read, TLS that cannot be set up at all, or a proxy the
    /// library refuses, is announced as a warning.
    void SetConnectionSettings(const ConnectionSettings &settings);
    /// Initialises the library and starts delivering its events; false
    /// when the library could not be initialised.
    bool Init();
    bool Initialised() const;
    /// Where the contact list each logon hands to the server comes from.
    void SetContactSource(std::function<QStringList()> names) { FContactNames = std::move(names); }

    // ---- State ----
    /// The account of the latest logon (empty before the first).
    const QString &Account() const { return FAccount; }
    /// Whether the account's session exists and is connected.
    bool IsLoggedOn() const;
    const ServerAddress &Server() const { return FServer; }
    /// The current VRT time.
    double Now() const { return FNow(); }
    /// The lines received while their conversation's or channel's window
    /// was not active.
    UnreadCounts &Unread() { return FUnread; }
    /// The session manager, for the account windows' own requests.
    ThbQuorCentral &Central() { return *FCentral; }
    /// The retries after a lost connection: their state, and Poll for a
    /// caller that moves their clock itself.
    Reconnector &Reconnection() { return *FReconnect; }

    // ---- Logging on and off ----
    /// Drops every session and logs name on with the contact list; retries
    /// stop. False, with nothing sent, for an empty name or password (a
    /// session still busy is dropped first, so it cannot refuse).
    bool LogOn(const QString &name, const QString &password);
    /// Stops the retries and logs the account off; false when there was
    /// no session to log off or it could not be.
    bool LogOff();

    // ---- Texts ----
    /// Why a text from own to target (a user or a "#channel") cannot go
    /// out now, if it cannot: no recipient, own not logged on, or own's
    /// own name.
    std::optional<SendRefusal> Refusal(const QString &own, const QString &target) const;
    /// Announces that a text to target was not sent, and why.
    void ReportNotSent(const QString &target, SendRefusal reason);
    /// Sends text from own to target unless Refusal says no (announced);
    /// false when it was not handed to the library. A text sent is
    /// announced (TextSent).
    bool SendText(const QString &own, const QString &target, const QString &text);

    // ---- Commands for the account's session ----
    /// Tells a session that is logging on or logged on of a contact list
    /// change; a later logon hands over the whole list anyway.
    void AddContact(const QString &name);
    void DelContact(const QString &name);
    /// Requests that need the account logged on; each returns the session
    /// layer's result (-1 when not logged on).
    int PingUser(const QString &user);
    int QueryUserStatus(const QString &user);
    /// Joins a channel; a join handed to the server is remembered for
    /// rejoining after a lost connection.
    int JoinChannel(const QString &channel, int type, const QString &password);
    /// Leaves a channel; one left while logged on is not rejoined.
    void LeaveChannel(const QString &channel);
    /// Asks for the channel list (counted anew from here).
    void RequestChannelList();
    /// Invites user to channel; remembered for wording the server's answer.
    int InviteUser(const QString &channel, const QString &user);

signals:
    // ---- The connection ----
    /// The user's logon was handed to the library.
    void Connecting();
    /// Retries after a lost connection are waiting or running.
    void Retrying();
    /// A logon succeeded; account is empty when the session layer named none.
    void Connected(const QString &account);
    /// A logon failed and no retry follows.
    void LoginFailed(const hbquor::client::LogonFailure &failure);
    /// The account's session ended (not raised for a retry whose connection
    /// closes, which counts as a failed attempt).
    void Disconnected(const QString &account);
    /// A line of the retries: lost, waiting, failed, stopped.
    void ReconnectProgress(const QString &line);
    /// A warning about the connection's security or set-up.
    void ConnectionWarning(const QString &line);
    /// After a retry: the channel was open before and is to be joined again.
    void RejoinDue(const hbquor::client::JoinedChannel &channel);
    void ErrorReported(const hbquor::client::SessionError &error);

    // ---- Users and texts ----
    void UserStatusReported(const hbquor::client::UserState &state);
    /// A name of the server's contact list (not registered there).
    void ContactListed(const QString &name);
    void ContactStatusChanged(const hbquor::client::UserState &state);
    void TextReceived(const hbquor::client::PrivateText &text);
    /// The user's text to a user or a channel went out.
    void TextSent(const hbquor::client::SentText &text);
    void TextFailed(const hbquor::client::TextFailure &failure);
    void TextNotSent(const hbquor::client::RefusedText &refused);
    void OfflineTextReceived(const hbquor::client::OfflineText &text);
    void PingReplied(const hbquor::client::PingReply &reply);
    void WelcomeReceived(const QString &message);
    void BroadcastReceived(const hbquor::client::Broadcast &broadcast);

    // ---- Channels ----
    void ChannelJoined(const hbquor::client::ChannelMember &member);
    void ChannelLeft(const hbquor::client::ChannelMember &member);
    void ChannelTextReceived(const hbquor::client::ChannelText &text);
    void ChannelFailed(const hbquor::client::ChannelFailure &failure);
    void ChannelInfoReceived(const hbquor::client::ChannelInfo &info);
    void ChannelListed(const hbquor::client::ListedChannel &channel);
    /// The end of a listing of count channels.
    void ChannelListEnded(int count);
    void InvitationReceived(const hbquor::client::Invitation &invitation);
    void InviteAnswered(const hbquor::client::InviteAnswer &answer);

    // ---- The account ----
    void UserProfileReceived(const hbquor::client::UserProfile &profile);
    void ProfileChanged(const hbquor::client::ProfileChange &change);
    void EmailChanged(const hbquor::client::RequestResult &result);
    void CreateUserAnswered(const hbquor::client::AccountAnswer &answer);
    void PasswordRequestAnswered(const hbquor::client::AccountAnswer &answer);
    void AccountRequestLost(const hbquor::client::LostAccountRequest &lost);

private:
    /// Becomes the handler of every event of the session manager.
    void HandleSessionEvents();
    /// What the retries do through the core.
    Reconnector::Hooks ReconnectHooks();
    /// TLS and the proxy were set up as asked (or never asked for).
    bool ConnectionUsable() const;
    /// Hands the contact list to the session AddLogin made for name and logs
    /// it on; returns the session manager's Login result, or -1 when the
    /// connection settings could not be set up.
    int LogOnAddedSession(const QString &name, const QString &password);
    /// Whether the account's session exists and is not idle.
    bool SessionBusy() const;

    std::function<double()> FNow;
    std::function<QStringList()> FContactNames;
    QString FAccount;
    ServerAddress FServer;
    UnreadCounts FUnread;
    InvitationMemory FInvitations;
    int FChannelCount = 0;
    std::unique_ptr<TlsSetup> FTls;
    std::unique_ptr<ProxySetup> FProxy;
    std::unique_ptr<Reconnector> FReconnect;
    std::unique_ptr<ThbQuorCentral> FCentral;
    std::unique_ptr<LibraryDriver> FDriver;
};

} // namespace hbquor::client
