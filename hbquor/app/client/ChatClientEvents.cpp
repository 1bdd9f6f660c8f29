// SPDX-License-Identifier: MIT
// The client core as the handler of the session manager's events: each
// event's own work in the core, then the event announced again with its
// bytes turned into text. This is where the program reads what the server
// sent: every received text passes Q (WireText) here and nowhere else.
#include "ChatClient.h"

#include "WireText.h"

#include "hbQuorClasses.h"

namespace hbquor::client {

namespace {

/// Text received from the server as the user sees it.
QString Q(const std::string &bytes) {
    return WireText(bytes);
}

/// The account named in what the core announces: the session's name on
/// the server.
QString SessionName(const ThbQuorUnit *sender) {
    return sender != nullptr ? Q(sender->Name()) : QString();
}

using Unit = ThbQuorUnit;
using Text = const std::string &;

} // namespace

void ChatClient::HandleSessionEvents() {
    ThbQuorCentral &c = *FCentral;

    // ---- The connection ----
    c.SetOnConnecting([this](Unit *sender) {
        if (sender != nullptr)
            FAccount = Q(sender->LoginName());
        // A retry's own line stands for its progress.
        if (FReconnect->Attempting())
            emit Retrying();
        else
            emit Connecting();
    });
    c.SetOnConnected([this](Unit *sender) {
        if (sender != nullptr)
            FCentral->RequestUserProfile(sender->Name(), sender->Name());
        emit Connected(SessionName(sender));
        FReconnect->Connected();
    });
    c.SetOnLoginFailed([this](Unit *sender, Text errText, int code) {
        if (sender == nullptr)
            return;
        // A failed retry writes its own line, and the retries go on.
        const Reconnector::Failure failure = FReconnect->LoginFailed(code, Q(errText));
        if (failure != Reconnector::Failure::RetryLater)
            emit LoginFailed({SessionName(sender), code, Q(errText), FServer.Text(),
                              failure == Reconnector::Failure::GaveUp});
    });
    c.SetOnDisconnected([this](Unit *sender) {
        if (sender == nullptr)
            return;
        // A retry whose connection closed before its logon was answered
        // failed; its own line says so, and the retries go on.
        if (FReconnect->Attempting() && sender->LostConnection()) {
            FReconnect->Disconnected(true);
            return;
        }
        emit Disconnected(SessionName(sender));
        FReconnect->Disconnected(sender->LostConnection());
    });
    c.SetOnError([this](Unit *sender, Text where, Text what, int code, Text errText) {
        emit ErrorReported({SessionName(sender), Q(where), Q(what), code, Q(errText)});
    });

    // ---- Users and texts ----
    c.SetOnUserStatus([this](Unit *, Text name, QuorUserStatus status) {
        emit UserStatusReported({Q(name), status});
    });
    c.SetOnContactListEntry([this](Unit *sender, Text name) {
        if (sender != nullptr)
            emit ContactListed(Q(name));
    });
    c.SetOnContactStatus([this](Unit *sender, Text name, QuorUserStatus status) {
        if (sender != nullptr)
            emit ContactStatusChanged({Q(name), status});
    });
    c.SetOnText([this](Unit *sender, Text from, Text text) {
        if (sender == nullptr)
            return;
        const double at = Now();
        FUnread.Received(Q(from), UnreadCounts::Kind::Private);
        emit TextReceived({SessionName(sender), Q(from), Q(text), at});
    });
    c.SetOnTextFailed([this](Unit *sender, Text errText, int code, Text target) {
        if (sender != nullptr)
            emit TextFailed({SessionName(sender), Q(target), code, Q(errText)});
    });
    c.SetOnOfflineText([this](Unit *sender, Text from, Text text, double sentTime) {
        if (sender != nullptr)
            emit OfflineTextReceived({SessionName(sender), Q(from), Q(text), sentTime});
    });
    c.SetOnPingReply([this](Unit *sender, Text name, int seconds) {
        if (sender != nullptr)
            emit PingReplied({Q(name), seconds});
    });
    c.SetOnWelcome([this](Unit *, Text message) {
        emit WelcomeReceived(Q(message));
        // Every logon is followed by a channel listing.
        FChannelCount = 0;
        FCentral->RequestChannelList(FAccount.toStdString());
    });
    c.SetOnBroadcast([this](Unit *sender, Text from, Text message) {
        emit BroadcastReceived(
            {sender != nullptr ? SessionName(sender) : FAccount, Q(from), Q(message)});
    });

    // ---- Channels ----
    c.SetOnChannelJoined([this](Unit *sender, Text channel, Text user) {
        if (sender != nullptr)
            emit ChannelJoined({Q(channel), Q(user)});
    });
    c.SetOnChannelLeft([this](Unit *sender, Text channel, Text user) {
        if (sender != nullptr)
            emit ChannelLeft({Q(channel), Q(user)});
    });
    c.SetOnChannelText([this](Unit *sender, Text channel, Text from, Text text) {
        if (sender == nullptr)
            return;
        FUnread.Received(Q(channel), UnreadCounts::Kind::Channel);
        emit ChannelTextReceived({Q(channel), Q(from), Q(text)});
    });
    c.SetOnChannelError([this](Unit *sender, Text channel, Text errText, int code) {
        if (sender != nullptr)
            emit ChannelFailed({SessionName(sender), Q(channel), code, Q(errText)});
    });
    c.SetOnChannelInfo([this](Unit *, Text channel, std::uint8_t type, Text info, Text extra) {
        emit ChannelInfoReceived({Q(channel), type, Q(info), Q(extra)});
    });
    c.SetOnChannelListEntry([this](Unit *sender, Text channel, std::uint8_t type, int users) {
        if (sender == nullptr)
            return;
        if (channel.empty()) {
            emit ChannelListEnded(FChannelCount);
            return;
        }
        ++FChannelCount;
        emit ChannelListed({Q(channel), type, users});
    });
    c.SetOnInvitation([this](Unit *sender, Text from, Text channel) {
        if (sender != nullptr)
            emit InvitationReceived({SessionName(sender), Q(from), Q(channel)});
    });
    c.SetOnInviteResult([this](Unit *, Text errText, int code, Text name) {
        emit InviteAnswered(
            {Q(name), code, Q(errText), FInvitations.ResultText(Q(name), code, Q(errText))});
    });

    // ---- The account ----
    c.SetOnUserProfile([this](Unit *, Text errText, int code, Text name, Text password, Text email,
                              int userType, double created, double lastLogin, int selfCreated,
                              int disabled) {
        emit UserProfileReceived({Q(errText), code, Q(name), Q(password), Q(email), userType,
                                  created, lastLogin, selfCreated, disabled});
    });
    c.SetOnProfileChanged([this](Unit *, Text errText, int code, Text name) {
        emit ProfileChanged({Q(errText), code, Q(name)});
    });
    c.SetOnEmailChanged([this](Unit *, Text errText, int code) {
        emit EmailChanged({Q(errText), code});
    });
    c.SetOnCreateUserResult([this](Text errText, int code, Text name, Text email) {
        emit CreateUserAnswered({Q(errText), code, Q(name), Q(email)});
    });
    c.SetOnPasswordRequestResult([this](Text errText, int code, Text name, Text email) {
        emit PasswordRequestAnswered({Q(errText), code, Q(name), Q(email)});
    });
    c.SetOnAccountRequestLost([this](AccountRequestKind kind, Text errText, int, Text, Text) {
        emit AccountRequestLost({kind, Q(errText)});
    });
}

} // namespace hbquor::client
