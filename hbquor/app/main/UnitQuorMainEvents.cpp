// The main window's handlers of the session manager's events: the exact
// line each writes to the log pane and the chat log file, and what else it
// does (looks, contact icons, the conversation, channel and profile windows,
// message boxes). Message boxes are queued, never shown inside a callback.
#include "UnitQuorMain.h"

#include "NameText.h"

#include "VrtText.h"
#include "WireText.h"

#include "AccountCommands.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"

#include <QAction>

#include <initializer_list>

using hbquor::QuorUserStatus;
using hbquor::ThbQuorUnit;

namespace {

/// Fills the "%s" and "%d" fields of pattern, in order, with args.
QString Fill(const char *pattern, std::initializer_list<QString> args) {
    const QString text = QString::fromLatin1(pattern);
    QString result;
    auto next = args.begin();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool field = text[i] == QLatin1Char('%') && i + 1 < text.size() &&
                           (text[i + 1] == QLatin1Char('s') || text[i + 1] == QLatin1Char('d'));
        if (field && next != args.end()) {
            result += *next++;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

/// Text received from the server as the user sees it.
QString Q(const std::string &text) {
    return WireText(text);
}

QString N(int number) {
    return QString::number(number);
}

QString UserStatusText(QuorUserStatus status) {
    switch (status) {
    case QuorUserStatus::NotRegistered:
        return QStringLiteral("is not registered");
    case QuorUserStatus::OnlineUser:
        return QStringLiteral("is online as user");
    case QuorUserStatus::OnlineAdmin:
        return QStringLiteral("is online as administrator");
    default:
        return QStringLiteral("is offline");
    }
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
    c.SetOnCreateUserResult(this, &TFormQuorMain::CentralCreateUserResult);
    c.SetOnInviteResult(this, &TFormQuorMain::CentralInviteResult);
    c.SetOnChannelInfo(this, &TFormQuorMain::CentralChannelInfo);
    c.SetOnPasswordRequestResult(this, &TFormQuorMain::CentralPasswordRequestResult);
    c.SetOnUserProfile(this, &TFormQuorMain::CentralUserProfile);
    c.SetOnProfileChanged(this, &TFormQuorMain::CentralProfileChanged);
    c.SetOnEmailChanged(this, &TFormQuorMain::CentralEmailChanged);
    c.SetOnInvitation(this, &TFormQuorMain::CentralInvitation);
    c.SetOnChannelListEntry(this, &TFormQuorMain::CentralChannelListEntry);
    c.SetOnError(this, &TFormQuorMain::CentralError);
    c.SetOnConnecting(this, &TFormQuorMain::CentralConnecting);
    c.SetOnAccountRequestLost(this, &TFormQuorMain::CentralAccountRequestLost);
}

void TFormQuorMain::CentralContactListEntry(ThbQuorUnit *sender, const std::string &name) {
    if (sender != nullptr)
        FContacts.SetState(Q(name), QuorUserStatus::NotRegistered);
}

void TFormQuorMain::CentralChannelJoined(ThbQuorUnit *sender, const std::string &channel,
                                         const std::string &user) {
    if (sender == nullptr)
        return;
    AddLogLine(lsConnection, Q(user) + QStringLiteral(" joined channel ") + Q(channel));
    WriteChatLog(Fill("%s VRT: %s joined channel %s", {TimeStamp(), Q(user), Q(channel)}));
    if (TFormQuorChannel *window = FindChannelWindow(Q(channel)))
        window->MemberJoined(Q(user));
}

void TFormQuorMain::CentralChannelLeft(ThbQuorUnit *sender, const std::string &channel,
                                       const std::string &user) {
    if (sender == nullptr)
        return;
    AddLogLine(lsConnection, Q(user) + QStringLiteral(" left channel ") + Q(channel));
    WriteChatLog(Fill("%s VRT: %s left channel %s", {TimeStamp(), Q(user), Q(channel)}));
    if (TFormQuorChannel *window = FindChannelWindow(Q(channel)))
        window->MemberLeft(Q(user));
}

void TFormQuorMain::CentralChannelError(ThbQuorUnit *sender, const std::string &channel,
                                        const std::string &errText, int code) {
    TFormQuorChannel *window = FindChannelWindow(Q(channel));
    if (sender == nullptr || window == nullptr)
        return;
    window->close(); // leaves the channel through its close handler
    AddLogLine(lsError, QStringLiteral("Channel error: ") + Q(channel) + QStringLiteral(", ") +
                            Account(sender) + QStringLiteral(" - ") + N(code) +
                            QStringLiteral(" ") + Q(errText));
    WriteChatLog(
        Fill("%s VRT - Channel %s error %d: %s", {TimeStamp(), Q(channel), N(code), Q(errText)}));
}

void TFormQuorMain::CentralChannelText(ThbQuorUnit *sender, const std::string &channel,
                                       const std::string &from, const std::string &text) {
    if (sender == nullptr)
        return;
    AddLogLine(lsChat,
               Q(channel) + QStringLiteral(" - ") + Q(from) + QStringLiteral(": \t") + Q(text));
    WriteChatLog(Fill("%s - %s: %s", {Q(channel), Q(from), Q(text)}));
    if (TFormQuorChannel *window = FindChannelWindow(Q(channel)))
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
    const QString header = Q(from) + QStringLiteral(" (to ") + Account(sender) +
                           QStringLiteral("), sent on ") + FormatVrtDate(sentTime) +
                           QStringLiteral(" VRT:");
    AddLogLine(lsTelegramHeader, header);
    AddLogLine(lsTelegramBody, QStringLiteral("\t") + Q(text));
    WriteChatLog(Fill("%s %s", {header, Q(text)}));
}

void TFormQuorMain::CentralDisconnected(ThbQuorUnit *sender) {
    if (sender == nullptr)
        return;
    ShowDisconnected();
    AddLogLine(lsConnection, QStringLiteral("Disconnected: ") + Account(sender));
    WriteChatLog(Fill("%s VRT - Disconnected: %s", {TimeStamp(), Account(sender)}));
}

void TFormQuorMain::CentralUserStatus(ThbQuorUnit *, const std::string &name,
                                      QuorUserStatus status) {
    AddLogLine(lsStatus, Q(name) + QStringLiteral(" ") + UserStatusText(status));
}

void TFormQuorMain::CentralConnected(ThbQuorUnit *sender) {
    if (sender != nullptr) {
        FCentral->RequestUserProfile(sender->Name(), sender->Name());
        AddLogLine(lsConnection, QStringLiteral("Connected: ") + Account(sender));
        WriteChatLog(Fill("%s VRT - Connected: %s", {TimeStamp(), Account(sender)}));
    }
    ShowConnected();
}

void TFormQuorMain::CentralLoginFailed(ThbQuorUnit *sender, const std::string &errText, int code) {
    if (sender == nullptr)
        return;
    ShowDisconnected();
    AddLogLine(lsError, QStringLiteral("Login error: ") + Account(sender) + QStringLiteral(" - ") +
                            N(code) + QStringLiteral(" ") + Q(errText));
}

void TFormQuorMain::CentralPingReply(ThbQuorUnit *sender, const std::string &name, int seconds) {
    if (sender == nullptr)
        return;
    AddLogLine(lsConnection,
               QStringLiteral("Ping reply from ") + Q(name) + QStringLiteral(": ") + N(seconds) +
                   (seconds == 1 ? QStringLiteral(" second") : QStringLiteral(" seconds")));
}

void TFormQuorMain::CentralTextFailed(ThbQuorUnit *sender, const std::string &errText, int code,
                                      const std::string &target) {
    if (sender == nullptr)
        return;
    AddLogLine(lsError, QStringLiteral("Error ") + Account(sender) +
                            QStringLiteral(" - text for ") + Q(target) + QStringLiteral(", ") +
                            N(code) + QStringLiteral(" ") + Q(errText));
    WriteChatLog(Fill("%s VRT - %s text for %s error %d: %s",
                      {TimeStamp(), Account(sender), Q(target), N(code), Q(errText)}));
}

void TFormQuorMain::CentralText(ThbQuorUnit *sender, const std::string &from,
                                const std::string &text) {
    if (sender == nullptr)
        return;
    AddLogLine(lsChat, Q(from) + QStringLiteral(" (to ") + Account(sender) +
                           QStringLiteral("): \t") + Q(text));
    WriteChatLog(Fill("%s (to %s): %s", {Q(from), Account(sender), Q(text)}));
    if (TFormQuorChat *window = FindChatWindow(Q(from)))
        window->AddLine(Q(from) + QStringLiteral(": \t") + Q(text));
}

void TFormQuorMain::CentralWelcome(ThbQuorUnit *, const std::string &message) {
    AddLogLine(lsServer, Q(message));
    WriteChatLog(Fill("%s VRT - Quor server welcome message: %s", {TimeStamp(), Q(message)}));
    FChannelCount = 0;
    FCentral->RequestChannelList(GetLoginName().toStdString());
}

void TFormQuorMain::CentralBroadcast(ThbQuorUnit *, const std::string &from,
                                     const std::string &message) {
    AddLogLine(lsServer, Q(from) + QStringLiteral(": ") + Q(message));
    WriteChatLog(Fill("%s VRT - Quor server broadcast message: %s", {TimeStamp(), Q(message)}));
}

void TFormQuorMain::CentralCreateUserResult(const std::string &errText, int code,
                                            const std::string &name, const std::string &email) {
    if (code == 0)
        QueueMessage(Fill("New Quor account created for: %s\rPassword will be emailed to: %s",
                          {Q(name), Q(email)}));
    else
        QueueMessage(Fill("New Quor account FAILED for: %s\rEmail: %s\rReason %d: %s",
                          {Q(name), Q(email), N(code), Q(errText)}));
}

void TFormQuorMain::CentralInviteResult(ThbQuorUnit *, const std::string &errText, int code,
                                        const std::string &name) {
    const QString invited = Q(name);
    const bool lastInvitation = hbquor::SameNameIgnoringCase(invited, FInviteUser) ||
                                hbquor::SameNameIgnoringCase(invited, FInviteChannel);
    if (lastInvitation && code == 0)
        QueueMessage(
            Fill("Invitation for %s to join %s authorised!", {FInviteUser, FInviteChannel}));
    else if (lastInvitation)
        QueueMessage(Fill("Invitation for %s to join %s FAILED\rReason %d: %s",
                          {FInviteUser, FInviteChannel, N(code), Q(errText)}));
    else if (code == 0)
        QueueMessage(Fill("Invitation for %s authorised!", {Q(name)}));
    else
        QueueMessage(
            Fill("Invitation for %s FAILED\rReason %d: %s", {Q(name), N(code), Q(errText)}));
}

void TFormQuorMain::CentralChannelInfo(ThbQuorUnit *, const std::string &channel, std::uint8_t type,
                                       const std::string &text2, const std::string &text3) {
    TFormQuorChannel *window = FindChannelWindow(Q(channel));
    if (window == nullptr) {
        QueueMessage(Q(channel) + QStringLiteral(" not found"));
        return;
    }
    window->SetChannelType(type);
    window->SetChannelInfo(Q(text2));
    window->SetChannelInfoExtra(Q(text3));
}

void TFormQuorMain::CentralPasswordRequestResult(const std::string &errText, int code,
                                                 const std::string &name,
                                                 const std::string &email) {
    if (code == 0)
        QueueMessage(Fill("Password request of %s accepted\rPassword will be emailed to: %s",
                          {Q(name), Q(email)}));
    else
        QueueMessage(Fill("Password request of %s FAILED\rEmail: %s\rReason %d: %s",
                          {Q(name), Q(email), N(code), Q(errText)}));
}

void TFormQuorMain::CentralUserProfile(ThbQuorUnit *, const std::string &errText, int code,
                                       const std::string &name, const std::string &password,
                                       const std::string &email, int userType, double created,
                                       double lastLogin, int selfCreated, int disabled) {
    if (code == 0 && hbquor::SameNameIgnoringCase(Q(name), GetLoginName()))
        ui.mnuUserProfile->setEnabled(true);
    if (FUserProfile)
        FUserProfile->ShowProfileResult(errText, code, name, password, email, userType, created,
                                        lastLogin, selfCreated, disabled);
}

void TFormQuorMain::CentralProfileChanged(ThbQuorUnit *, const std::string &errText, int code,
                                          const std::string &name) {
    if (FUserProfile)
        FUserProfile->ShowModifyResult(errText, code, name);
}

void TFormQuorMain::CentralEmailChanged(ThbQuorUnit *, const std::string &errText, int code) {
    if (FUserProfile)
        FUserProfile->ShowEmailChangeResult(errText, code);
}

void TFormQuorMain::CentralInvitation(ThbQuorUnit *sender, const std::string &from,
                                      const std::string &channel) {
    if (sender == nullptr)
        return;
    const QString text = Fill("Invitation: %s invites %s to join channel %s",
                              {Q(from), Account(sender), Q(channel)});
    AddLogLine(lsInvitation, text);
    WriteChatLog(text);
}

void TFormQuorMain::CentralChannelListEntry(ThbQuorUnit *sender, const std::string &channel,
                                            std::uint8_t type, int userCount) {
    if (sender == nullptr)
        return;
    QString text;
    if (!channel.empty()) {
        ++FChannelCount;
        text = Fill("  Channel: %s - %s - %d %s",
                    {Q(channel), TFormQuorChannel::ChannelTypeName(type), N(userCount),
                     userCount == 1 ? QStringLiteral("user") : QStringLiteral("users")});
    } else if (FChannelCount == 1) {
        text = Fill("There is %d channel operating", {N(FChannelCount)});
    } else {
        text = Fill("There are %d channels operating", {N(FChannelCount)});
    }
    AddLogLine(lsServer, text);
    WriteChatLog(text);
}

void TFormQuorMain::CentralError(ThbQuorUnit *sender, const std::string &where,
                                 const std::string &what, int code, const std::string &errText) {
    const QString account = sender != nullptr ? Account(sender) + QStringLiteral(" - ") : QString();
    AddLogLine(lsError, QStringLiteral("Error: ") + account + Q(where) + QStringLiteral(", ") +
                            Q(what) + QStringLiteral(", ") + N(code) + QStringLiteral(" ") +
                            Q(errText));
}

void TFormQuorMain::CentralConnecting(ThbQuorUnit *) {
    AddLogLine(lsConnection, QStringLiteral("Connecting..."));
    ShowConnecting();
}

void TFormQuorMain::CentralAccountRequestLost(hbquor::AccountRequestKind kind,
                                              const std::string &errText, int, const std::string &,
                                              const std::string &) {
    QueueMessage(hbquor::account::LostRequestText(kind, Q(errText)));
}
