// SPDX-License-Identifier: MIT
// What the client core announces, one small struct for each event that
// carries more than one thing, so that two texts of an event cannot trade
// places without the compiler noticing. Every text is the QString the user
// sees: the core turns received bytes into text once (WireText), before any
// listener gets them. Times are VRT date-time values (days since
// 30 December 1899). "Account" is the session's name on the server.
#pragma once

#include "SendRefusal.h"

#include "hbQuorCentral.h"

#include <QString>

namespace hbquor::client {

/// A failure the session layer reports; Account is empty without a session.
struct SessionError {
    QString Account;
    QString Where;
    QString What;
    int Code = 0;
    QString ErrText;
};

/// A logon that failed for good: the user's own, or the retry that ended
/// the retries (Retry; the retries have said why in their own line).
struct LogonFailure {
    QString Account;
    int Code = 0;
    QString ErrText;
    /// The server it went to, "host:port".
    QString Server;
    bool Retry = false;
};

/// A user's online state: the answer to a status query, or a contact's.
struct UserState {
    QString Name;
    QuorUserStatus Status = QuorUserStatus::Pending;
};

/// A private text to the user; At is when it arrived.
struct PrivateText {
    QString Account;
    QString From;
    QString Text;
    double At = 0;
};

/// A text the user sent (handed to the library), to a user or a
/// "#channel"; At is when it went out.
struct SentText {
    QString Account;
    QString Target;
    QString Text;
    double At = 0;
};

/// A text the server could not deliver.
struct TextFailure {
    QString Account;
    QString Target;
    int Code = 0;
    QString ErrText;
};

/// A text the core did not send, and why.
struct RefusedText {
    QString Target;
    SendRefusal Reason = SendRefusal::NotLoggedOn;
};

struct PingReply {
    QString Name;
    int Seconds = 0;
};

/// A text the server kept while the user was away; SentTime is when it was
/// sent.
struct OfflineText {
    QString Account;
    QString From;
    QString Text;
    double SentTime = 0;
};

/// A text to everyone; Account is the logged-on account when the server
/// names no session.
struct Broadcast {
    QString Account;
    QString From;
    QString Message;
};

struct Invitation {
    QString Account;
    QString From;
    QString Channel;
};

/// The server's answer to an invitation the user sent, with the message
/// that words it (naming the last invitation sent when it is about that).
struct InviteAnswer {
    QString Name;
    int Code = 0;
    QString ErrText;
    QString Message;
};

/// Someone joined or left a channel.
struct ChannelMember {
    QString Channel;
    QString User;
};

struct ChannelText {
    QString Channel;
    QString From;
    QString Text;
};

/// The server refused the user a channel.
struct ChannelFailure {
    QString Account;
    QString Channel;
    int Code = 0;
    QString ErrText;
};

/// A channel's type and texts, as the server describes it.
struct ChannelInfo {
    QString Channel;
    int Type = 0;
    QString Info;
    QString InfoExtra;
};

/// One channel of a listing.
struct ListedChannel {
    QString Channel;
    int Type = 0;
    int UserCount = 0;
};

/// The answer to a profile request; the times are VRT date-time values.
struct UserProfile {
    QString ErrText;
    int Code = 0;
    QString Name;
    QString Password;
    QString Email;
    int UserType = 0;
    double Created = 0;
    double LastLogin = 0;
    int SelfCreated = 0;
    int Disabled = 0;
};

/// The answer to a profile change.
struct ProfileChange {
    QString ErrText;
    int Code = 0;
    QString Name;
};

/// The answer to an e-mail change.
struct RequestResult {
    QString ErrText;
    int Code = 0;
};

/// The answer to an account creation or a password request.
struct AccountAnswer {
    QString ErrText;
    int Code = 0;
    QString Name;
    QString Email;
};

/// An account creation or password request whose connection ended before
/// the answer.
struct LostAccountRequest {
    AccountRequestKind Kind = AccountRequestKind::CreateUser;
    QString ErrText;
};

} // namespace hbquor::client
