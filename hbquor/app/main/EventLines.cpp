// SPDX-License-Identifier: MIT
#include "EventLines.h"

#include "DisplayText.h"
#include "EventLog.h"
#include "FillFields.h"
#include "UnitQuorChannel.h"

#include "hbQuorUnit.h"

namespace {

QString N(int number) {
    return QString::number(number);
}

const char *UserStatusPattern(hbquor::QuorUserStatus status) {
    switch (status) {
    case hbquor::QuorUserStatus::NotRegistered:
        return QT_TRANSLATE_NOOP("EventLines", "%s is not registered");
    case hbquor::QuorUserStatus::OnlineUser:
        return QT_TRANSLATE_NOOP("EventLines", "%s is online as user");
    case hbquor::QuorUserStatus::OnlineAdmin:
        return QT_TRANSLATE_NOOP("EventLines", "%s is online as administrator");
    default:
        return QT_TRANSLATE_NOOP("EventLines", "%s is offline");
    }
}

} // namespace

EventLines::Worded EventLines::Words(const char *pattern, std::initializer_list<QString> args) {
    return {FillFields(tr(pattern), args), FillFields(pattern, args)};
}

QString EventLines::Stamped(const char *separator, const QString &text) const {
    const double now = FLog.Now();
    return FLog.Times().TimeOfDay(now) + QLatin1Char(' ') + FLog.Times().ZoneName(now) +
           QLatin1String(separator) + text;
}

QString EventLines::PaneLine(const QString &line, double at) const {
    return FChatTimes ? FLog.Times().TimeOfDay(at) + QLatin1Char(' ') + line : line;
}

QString EventLines::PaneLine(const QString &line) const {
    return PaneLine(line, FLog.Now());
}

void EventLines::Said(const Worded &head, const QString &text) {
    const QString said = hbquor::LineField(text);
    FLog.Write(lsChat, PaneLine(head.Pane + QStringLiteral(": \t") + said),
               head.File + QStringLiteral(": ") + said);
}

void EventLines::ChannelJoined(const QString &user, const QString &channel) {
    const Worded text =
        Words(QT_TRANSLATE_NOOP("EventLines", "%s joined channel %s"), {user, channel});
    FLog.Write(lsConnection, text.Pane, Stamped(": ", text.File));
}

void EventLines::ChannelLeft(const QString &user, const QString &channel) {
    const Worded text =
        Words(QT_TRANSLATE_NOOP("EventLines", "%s left channel %s"), {user, channel});
    FLog.Write(lsConnection, text.Pane, Stamped(": ", text.File));
}

void EventLines::ChannelOpened(const QString &own, const QString &channel) {
    const Worded text =
        Words(QT_TRANSLATE_NOOP("EventLines", "%s opened channel %s"), {own, channel});
    FLog.Write(lsConnection, text.Pane, Stamped(": ", text.File));
}

void EventLines::ChannelClosed(const QString &own, const QString &channel) {
    ChannelLeft(own, channel);
    const Worded text =
        Words(QT_TRANSLATE_NOOP("EventLines", "%s closed channel %s"), {own, channel});
    FLog.Write(lsConnection, text.Pane, Stamped(": ", text.File));
}

void EventLines::ChannelError(const QString &channel, const QString &account, int code,
                              const QString &errText) {
    FLog.Write(
        lsError,
        FillFields(tr("Channel error: %s, %s - %d %s"), {channel, account, N(code), errText}),
        Stamped(" - ", FillFields("Channel %s error %d: %s", {channel, N(code), errText})));
}

void EventLines::ChannelText(const QString &channel, const QString &from, const QString &text) {
    const QString head = FillFields("%s - %s", {channel, from});
    Said({head, head}, text);
}

void EventLines::ChannelListEntry(const QString &channel, int type, int userCount) {
    const char *pattern = userCount == 1
                              ? QT_TRANSLATE_NOOP("EventLines", "  Channel: %s - %s - %d user")
                              : QT_TRANSLATE_NOOP("EventLines", "  Channel: %s - %s - %d users");
    // The type's name too is the user's in the pane and English in the file.
    FLog.Write(
        lsServer,
        FillFields(tr(pattern),
                   {channel, TFormQuorChannel::ShownChannelTypeName(type), N(userCount)}),
        FillFields(pattern, {channel, TFormQuorChannel::ChannelTypeName(type), N(userCount)}));
}

void EventLines::ChannelListEnd(int count) {
    const Worded text =
        Words(count == 1 ? QT_TRANSLATE_NOOP("EventLines", "There is %d channel operating")
                         : QT_TRANSLATE_NOOP("EventLines", "There are %d channels operating"),
              {N(count)});
    FLog.Write(lsServer, text.Pane, text.File);
}

void EventLines::Invitation(const QString &from, const QString &account, const QString &channel) {
    const Worded text =
        Words(QT_TRANSLATE_NOOP("EventLines", "Invitation: %s invites %s to join channel %s"),
              {from, account, channel});
    FLog.Write(lsInvitation, text.Pane, text.File);
}

void EventLines::PrivateText(const QString &from, const QString &to, const QString &text) {
    Said(Words(QT_TRANSLATE_NOOP("EventLines", "%s (to %s)"), {from, to}), text);
}

void EventLines::OfflineText(const QString &from, const QString &account, double sentTime,
                             const QString &text) {
    // The date too is in the user's language in the pane, in English in
    // the file.
    const TimeText &times = FLog.Times();
    const char *pattern = QT_TRANSLATE_NOOP("EventLines", "%s (to %s), sent on %s %s:");
    const QString zone = times.ZoneName(sentTime);
    FLog.AddLine(lsTelegramHeader,
                 FillFields(tr(pattern), {from, account, times.ShownLongDate(sentTime), zone}));
    const QString header = FillFields(pattern, {from, account, times.LongDate(sentTime), zone});
    FLog.Write(lsTelegramBody, QStringLiteral("\t") + hbquor::LineField(text),
               FillFields("%s %s", {header, text}));
}

void EventLines::TextFailed(const QString &account, const QString &target, int code,
                            const QString &errText) {
    FLog.Write(lsError,
               FillFields(tr("Error %s - text for %s, %d %s"), {account, target, N(code), errText}),
               Stamped(" - ", FillFields("%s text for %s error %d: %s",
                                         {account, target, N(code), errText})));
}

void EventLines::Connecting() {
    FLog.AddLine(lsConnection, tr("Connecting..."));
}

void EventLines::Connected(const QString &account) {
    const Worded text = Words(QT_TRANSLATE_NOOP("EventLines", "Connected: %s"), {account});
    FLog.Write(lsConnection, text.Pane, Stamped(" - ", text.File));
}

void EventLines::Disconnected(const QString &account) {
    const Worded text = Words(QT_TRANSLATE_NOOP("EventLines", "Disconnected: %s"), {account});
    FLog.Write(lsConnection, text.Pane, Stamped(" - ", text.File));
}

void EventLines::LoginFailed(const QString &account, int code, const QString &errText,
                             const QString &server) {
    FLog.AddLine(lsError, FillFields(tr("Login error: %s - %d %s (%s)"),
                                     {account, N(code), errText, server}));
}

void EventLines::UserStatus(const QString &name, hbquor::QuorUserStatus status) {
    FLog.AddLine(lsStatus, FillFields(tr(UserStatusPattern(status)), {name}));
}

void EventLines::PingReply(const QString &name, int seconds) {
    FLog.AddLine(lsConnection, FillFields(seconds == 1 ? tr("Ping reply from %s: %d second")
                                                       : tr("Ping reply from %s: %d seconds"),
                                          {name, N(seconds)}));
}

void EventLines::Welcome(const QString &message) {
    FLog.Write(lsServer, hbquor::LineField(message),
               Stamped(" - ", FillFields("Quor server welcome message: %s", {message})));
}

void EventLines::Broadcast(const QString &from, const QString &message) {
    FLog.Write(lsServer, FillFields("%s: %s", {from, message}),
               Stamped(" - ", FillFields("Quor server broadcast message: %s", {message})));
}

void EventLines::FaultySetting(const QString &key) {
    FLog.AddLine(lsError, FillFields(tr("Settings: the value of %s is not valid - the default "
                                        "is used"),
                                     {key}));
}

void EventLines::Error(const QString &account, const QString &where, const QString &what, int code,
                       const QString &errText) {
    const QString who = account.isEmpty() ? QString() : FillFields("%s - ", {account});
    FLog.AddLine(lsError,
                 FillFields(tr("Error: %s%s, %s, %d %s"), {who, where, what, N(code), errText}));
}
