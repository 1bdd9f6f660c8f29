#include "UnitQuorMainEvents.h"

#include "DisplayText.h"
#include "EventLines.h"
#include "FillFields.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitQuorMain.h"
#include "WireText.h"

#include "hbQuorClasses.h"

using hbquor::QuorUserStatus;
using hbquor::ThbQuorUnit;

namespace {

/// Text received from the server as the user sees it.
QString Q(const std::string &text) {
    return WireText(text);
}

} // namespace

TQuorMainEvents::TQuorMainEvents(TFormQuorMain &window, hbquor::ThbQuorCentral &central,
                                 EventLines &lines)
    : FWindow(window), FCentral(central), FLines(lines) {
    hbquor::ThbQuorCentral &c = central;
    c.SetOnContactListEntry(this, &TQuorMainEvents::CentralContactListEntry);
    c.SetOnChannelJoined(this, &TQuorMainEvents::CentralChannelJoined);
    c.SetOnChannelLeft(this, &TQuorMainEvents::CentralChannelLeft);
    c.SetOnChannelError(this, &TQuorMainEvents::CentralChannelError);
    c.SetOnChannelText(this, &TQuorMainEvents::CentralChannelText);
    c.SetOnContactStatus(this, &TQuorMainEvents::CentralContactStatus);
    c.SetOnOfflineText(this, &TQuorMainEvents::CentralOfflineText);
    c.SetOnDisconnected(this, &TQuorMainEvents::CentralDisconnected);
    c.SetOnUserStatus(this, &TQuorMainEvents::CentralUserStatus);
    c.SetOnConnected(this, &TQuorMainEvents::CentralConnected);
    c.SetOnLoginFailed(this, &TQuorMainEvents::CentralLoginFailed);
    c.SetOnPingReply(this, &TQuorMainEvents::CentralPingReply);
    c.SetOnTextFailed(this, &TQuorMainEvents::CentralTextFailed);
    c.SetOnText(this, &TQuorMainEvents::CentralText);
    c.SetOnWelcome(this, &TQuorMainEvents::CentralWelcome);
    c.SetOnBroadcast(this, &TQuorMainEvents::CentralBroadcast);
    c.SetOnInviteResult(this, &TQuorMainEvents::CentralInviteResult);
    c.SetOnChannelInfo(this, &TQuorMainEvents::CentralChannelInfo);
    c.SetOnInvitation(this, &TQuorMainEvents::CentralInvitation);
    c.SetOnChannelListEntry(this, &TQuorMainEvents::CentralChannelListEntry);
    c.SetOnError(this, &TQuorMainEvents::CentralError);
    c.SetOnConnecting(this, &TQuorMainEvents::CentralConnecting);
}

QString TQuorMainEvents::Account(const ThbQuorUnit *sender) {
    return Q(sender->Name());
}

void TQuorMainEvents::CentralContactListEntry(ThbQuorUnit *sender, const std::string &name) {
    if (sender != nullptr)
        FWindow.Contacts().SetState(Q(name), QuorUserStatus::NotRegistered);
}

void TQuorMainEvents::CentralChannelJoined(ThbQuorUnit *sender, const std::string &channel,
                                           const std::string &user) {
    if (sender == nullptr)
        return;
    FLines.ChannelJoined(Q(user), Q(channel));
    if (TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(Q(channel)))
        window->MemberJoined(Q(user));
}

void TQuorMainEvents::CentralChannelLeft(ThbQuorUnit *sender, const std::string &channel,
                                         const std::string &user) {
    if (sender == nullptr)
        return;
    FLines.ChannelLeft(Q(user), Q(channel));
    if (TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(Q(channel)))
        window->MemberLeft(Q(user));
}

void TQuorMainEvents::CentralChannelError(ThbQuorUnit *sender, const std::string &channel,
                                          const std::string &errText, int code) {
    TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(Q(channel));
    if (sender == nullptr || window == nullptr)
        return;
    window->close(); // leaves the channel through its close handler
    FLines.ChannelError(Q(channel), Account(sender), code, Q(errText));
}

void TQuorMainEvents::CentralChannelText(ThbQuorUnit *sender, const std::string &channel,
                                         const std::string &from, const std::string &text) {
    if (sender == nullptr)
        return;
    FLines.ChannelText(Q(channel), Q(from), Q(text));
    if (TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(Q(channel)))
        window->AddLine(FLines.PaneLine(hbquor::SaidLine(Q(from), Q(text))));
}

void TQuorMainEvents::CentralContactStatus(ThbQuorUnit *sender, const std::string &name,
                                           QuorUserStatus status) {
    if (sender != nullptr)
        FWindow.Contacts().SetState(Q(name), status);
}

void TQuorMainEvents::CentralOfflineText(ThbQuorUnit *sender, const std::string &from,
                                         const std::string &text, double sentTime) {
    if (sender == nullptr)
        return;
    FLines.OfflineText(Q(from), Account(sender), sentTime, Q(text));
    FWindow.Alerts().OfflineText(Account(sender), Q(from), Q(text));
}

void TQuorMainEvents::CentralDisconnected(ThbQuorUnit *sender) {
    if (sender == nullptr)
        return;
    Reconnector &reconnection = FWindow.Reconnection();
    // A retry whose connection closed before its logon was answered failed;
    // its own line says so, and the window stays trying.
    if (reconnection.Attempting() && sender->LostConnection()) {
        reconnection.Disconnected(true);
        return;
    }
    FWindow.ShowDisconnected();
    FLines.Disconnected(Account(sender));
    reconnection.Disconnected(sender->LostConnection());
}

void TQuorMainEvents::CentralUserStatus(ThbQuorUnit *, const std::string &name,
                                        QuorUserStatus status) {
    FLines.UserStatus(Q(name), status);
}

void TQuorMainEvents::CentralConnected(ThbQuorUnit *sender) {
    if (sender != nullptr) {
        FCentral.RequestUserProfile(sender->Name(), sender->Name());
        FLines.Connected(Account(sender));
    }
    FWindow.ShowConnected();
    FWindow.Reconnection().Connected();
}

void TQuorMainEvents::CentralLoginFailed(ThbQuorUnit *sender, const std::string &errText,
                                         int code) {
    if (sender == nullptr)
        return;
    // A failed retry writes its own line, and the window stays trying.
    const Reconnector::Failure failure = FWindow.Reconnection().LoginFailed(code, Q(errText));
    if (failure == Reconnector::Failure::RetryLater)
        return;
    FWindow.ShowDisconnected();
    if (failure == Reconnector::Failure::NotARetry)
        FLines.LoginFailed(Account(sender), code, Q(errText), FWindow.Server().Text());
}

void TQuorMainEvents::CentralPingReply(ThbQuorUnit *sender, const std::string &name, int seconds) {
    if (sender == nullptr)
        return;
    FLines.PingReply(Q(name), seconds);
}

void TQuorMainEvents::CentralTextFailed(ThbQuorUnit *sender, const std::string &errText, int code,
                                        const std::string &target) {
    if (sender == nullptr)
        return;
    FLines.TextFailed(Account(sender), Q(target), code, Q(errText));
}

void TQuorMainEvents::CentralText(ThbQuorUnit *sender, const std::string &from,
                                  const std::string &text) {
    if (sender == nullptr)
        return;
    FLines.PrivateText(Q(from), Account(sender), Q(text));
    FWindow.ConversationLine(Q(from), hbquor::SaidLine(Q(from), Q(text)), true);
    FWindow.Alerts().PrivateText(Account(sender), Q(from), Q(text),
                                 FWindow.TalkWindows().FindChatWindow(Q(from)));
}

void TQuorMainEvents::CentralWelcome(ThbQuorUnit *, const std::string &message) {
    FLines.Welcome(Q(message));
    FChannelCount = 0;
    FCentral.RequestChannelList(FWindow.GetLoginName().toStdString());
}

void TQuorMainEvents::CentralBroadcast(ThbQuorUnit *sender, const std::string &from,
                                       const std::string &message) {
    FLines.Broadcast(Q(from), Q(message));
    FWindow.Alerts().Broadcast(sender != nullptr ? Account(sender) : FWindow.GetLoginName(),
                               Q(from), Q(message));
}

void TQuorMainEvents::CentralInviteResult(ThbQuorUnit *, const std::string &errText, int code,
                                          const std::string &name) {
    FWindow.QueueMessage(FWindow.Invitations().ResultText(Q(name), code, Q(errText)));
}

void TQuorMainEvents::CentralChannelInfo(ThbQuorUnit *, const std::string &channel,
                                         std::uint8_t type, const std::string &text2,
                                         const std::string &text3) {
    TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(Q(channel));
    if (window == nullptr) {
        FWindow.QueueMessage(FillFields("%s not found", {Q(channel)}));
        return;
    }
    window->SetChannelType(type);
    window->SetChannelInfo(Q(text2));
    window->SetChannelInfoExtra(Q(text3));
}

void TQuorMainEvents::CentralInvitation(ThbQuorUnit *sender, const std::string &from,
                                        const std::string &channel) {
    if (sender == nullptr)
        return;
    FLines.Invitation(Q(from), Account(sender), Q(channel));
    FWindow.Alerts().Invitation(Account(sender), Q(from), Q(channel));
}

void TQuorMainEvents::CentralChannelListEntry(ThbQuorUnit *sender, const std::string &channel,
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

void TQuorMainEvents::CentralError(ThbQuorUnit *sender, const std::string &where,
                                   const std::string &what, int code, const std::string &errText) {
    FLines.Error(sender != nullptr ? Account(sender) : QString(), Q(where), Q(what), code,
                 Q(errText));
}

void TQuorMainEvents::CentralConnecting(ThbQuorUnit *) {
    // A retry's own line stands for its progress.
    if (!FWindow.Reconnection().Attempting())
        FLines.Connecting();
    FWindow.ShowConnecting();
}
