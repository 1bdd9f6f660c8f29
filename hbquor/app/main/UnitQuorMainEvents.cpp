// The main window's handlers of the session manager's events: the exact
// line each writes to the log pane and the chat log file, and what else it
// does (looks, contact icons, the conversation, channel and profile windows,
// message boxes). Message boxes are queued, never shown inside a callback.
#include "UnitQuorMain.h"

#include "NameText.h"

#include "WireText.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorClasses.h"

#include <QAction>


using hbquor::QuorUserStatus;
using hbquor::ThbQuorUnit;

namespace {

/// Text received from the server as the user sees it.
QString Q(const std::string &text) {
    return WireText(text);
}

} // namespace

QString TFormQuorMain::Account(const ThbQuorUnit *sender) {
    return Q(sender->Name());
}

void TFormQuorMain::SubscribeEvents() {
    hbquor::ThbQuorCentral &c = *FCentral;
    c.SetOnContactListEntry(this, &TFormQuorMain::CentralContactListEntry);
    c.SetOnChannelJoined(this, &TFormQuorMain::CentralChannelJoined);
    c.SetOnChannelLeft(this, &TFormQuorMain::CentralChannelLeft);
    c.SetOnChannelError(this, &TFormQuorMain::CentralChannelError);
    c.SetOnChannelText(this, &TFormQuorMain::CentralChannelText);
    c.SetOnContactStatus(this, &TFormQuorMain::CentralContactStatus);
    c.SetOnOfflineText(this, &TFormQuorMain::CentralOfflineText);
    c.SetOnDisconnected(this, &TFormQuorMain::CentralDisconnected);
    c.SetOnUserStatus(this, &TFormQuorMain::CentralUserStatus);
    c.SetOnConnected(this, &TFormQuorMain::CentralConnected);
    c.SetOnLoginFailed(this, &TFormQuorMain::CentralLoginFailed);
    c.SetOnPingReply(this, &TFormQuorMain::CentralPingReply);
    c.SetOnTextFailed(this, &TFormQuorMain::CentralTextFailed);
    c.SetOnText(this, &TFormQuorMain::CentralText);
    c.SetOnWelcome(this, &TFormQuorMain::CentralWelcome);
    c.SetOnBroadcast(this, &TFormQuorMain::CentralBroadcast);
    c.SetOnInviteResult(this, &TFormQuorMain::CentralInviteResult);
    c.SetOnChannelInfo(this, &TFormQuorMain::CentralChannelInfo);
    c.SetOnInvitation(this, &TFormQuorMain::CentralInvitation);
    c.SetOnChannelListEntry(this, &TFormQuorMain::CentralChannelListEntry);
    c.SetOnError(this, &TFormQuorMain::CentralError);
    c.SetOnConnecting(this, &TFormQuorMain::CentralConnecting);
}

void TFormQuorMain::CentralContactListEntry(ThbQuorUnit *sender, const std::string &name) {
    if (sender != nullptr)
        FContacts.SetState(Q(name), QuorUserStatus::NotRegistered);
}

void TFormQuorMain::CentralChannelJoined(ThbQuorUnit *sender, const std::string &channel,
                                         const std::string &user) {
    if (sender == nullptr)
        return;
    FLines.ChannelJoined(Q(user), Q(channel));
    if (TFormQuorChannel *window = FTalkWindows.FindChannelWindow(Q(channel)))
        window->MemberJoined(Q(user));
}

void TFormQuorMain::CentralChannelLeft(ThbQuorUnit *sender, const std::string &channel,
                                       const std::string &user) {
    if (sender == nullptr)
        return;
    FLines.ChannelLeft(Q(user), Q(channel));
    if (TFormQuorChannel *window = FTalkWindows.FindChannelWindow(Q(channel)))
        window->MemberLeft(Q(user));
}

void TFormQuorMain::CentralChannelError(ThbQuorUnit *sender, const std::string &channel,
                                        const std::string &errText, int code) {
    TFormQuorChannel *window = FTalkWindows.FindChannelWindow(Q(channel));
    if (sender == nullptr || window == nullptr)
        return;
    window->close(); // leaves the channel through its close handler
    FLines.ChannelError(Q(channel), Account(sender), code, Q(errText));
}

void TFormQuorMain::CentralChannelText(ThbQuorUnit *sender, const std::string &channel,
                                       const std::string &from, const std::string &text) {
    if (sender == nullptr)
        return;
    FLines.ChannelText(Q(channel), Q(from), Q(text));
    if (TFormQuorChannel *window = FTalkWindows.FindChannelWindow(Q(channel)))
        window->AddLine(Q(from) + QStringLiteral(": \t") + Q(text));
}

void TFormQuorMain::CentralContactStatus(ThbQuorUnit *sender, const std::string &name,
                                         QuorUserStatus status) {
    if (sender != nullptr)
        FContacts.SetState(Q(name), status);
}

void TFormQuorMain::CentralOfflineText(ThbQuorUnit *sender, const std::string &from,
                                       const std::string &text, double sentTime) {
    if (sender == nullptr)
        return;
    FLines.OfflineText(Q(from), Account(sender), sentTime, Q(text));
}

void TFormQuorMain::CentralDisconnected(ThbQuorUnit *sender) {
    if (sender == nullptr)
        return;
    ShowDisconnected();
    FLines.Disconnected(Account(sender));
}

void TFormQuorMain::CentralUserStatus(ThbQuorUnit *, const std::string &name,
                                      QuorUserStatus status) {
    FLines.UserStatus(Q(name), status);
}

void TFormQuorMain::CentralConnected(ThbQuorUnit *sender) {
    if (sender != nullptr) {
        FCentral->RequestUserProfile(sender->Name(), sender->Name());
        FLines.Connected(Account(sender));
    }
    ShowConnected();
}

void TFormQuorMain::CentralLoginFailed(ThbQuorUnit *sender, const std::string &errText, int code) {
    if (sender == nullptr)
        return;
    ShowDisconnected();
    FLines.LoginFailed(Account(sender), code, Q(errText));
}

void TFormQuorMain::CentralPingReply(ThbQuorUnit *sender, const std::string &name, int seconds) {
    if (sender == nullptr)
        return;
    FLines.PingReply(Q(name), seconds);
}

void TFormQuorMain::CentralTextFailed(ThbQuorUnit *sender, const std::string &errText, int code,
                                      const std::string &target) {
    if (sender == nullptr)
        return;
    FLines.TextFailed(Account(sender), Q(target), code, Q(errText));
}

void TFormQuorMain::CentralText(ThbQuorUnit *sender, const std::string &from,
                                const std::string &text) {
    if (sender == nullptr)
        return;
    FLines.PrivateText(Q(from), Account(sender), Q(text));
    if (TFormQuorChat *window = FTalkWindows.FindChatWindow(Q(from)))
        window->AddLine(Q(from) + QStringLiteral(": \t") + Q(text));
}

void TFormQuorMain::CentralWelcome(ThbQuorUnit *, const std::string &message) {
    FLines.Welcome(Q(message));
    FChannelCount = 0;
    FCentral->RequestChannelList(GetLoginName().toStdString());
}

void TFormQuorMain::CentralBroadcast(ThbQuorUnit *, const std::string &from,
                                     const std::string &message) {
    FLines.Broadcast(Q(from), Q(message));
}

void TFormQuorMain::CentralInviteResult(ThbQuorUnit *, const std::string &errText, int code,
                                        const std::string &name) {
    QueueMessage(FInvitations.ResultText(Q(name), code, Q(errText)));
}

void TFormQuorMain::CentralChannelInfo(ThbQuorUnit *, const std::string &channel, std::uint8_t type,
                                       const std::string &text2, const std::string &text3) {
    TFormQuorChannel *window = FTalkWindows.FindChannelWindow(Q(channel));
    if (window == nullptr) {
        QueueMessage(Q(channel) + QStringLiteral(" not found"));
        return;
    }
    window->SetChannelType(type);
    window->SetChannelInfo(Q(text2));
    window->SetChannelInfoExtra(Q(text3));
}

void TFormQuorMain::CentralInvitation(ThbQuorUnit *sender, const std::string &from,
                                      const std::string &channel) {
    if (sender == nullptr)
        return;
    FLines.Invitation(Q(from), Account(sender), Q(channel));
}

void TFormQuorMain::CentralChannelListEntry(ThbQuorUnit *sender, const std::string &channel,
                                            std::uint8_t type, int userCount) {
    if (sender == nullptr)
        return;
    if (channel.empty()) {
        FLines.ChannelListEnd(FChannelCount);
        return;
    }
    ++FChannelCount;
    FLines.ChannelListEntry(Q(channel), TFormQuorChannel::ChannelTypeName(type), userCount);
}

void TFormQuorMain::CentralError(ThbQuorUnit *sender, const std::string &where,
                                 const std::string &what, int code, const std::string &errText) {
    FLines.Error(sender != nullptr ? Account(sender) : QString(), Q(where), Q(what), code,
                 Q(errText));
}

void TFormQuorMain::CentralConnecting(ThbQuorUnit *) {
    FLines.Connecting();
    ShowConnecting();
}
