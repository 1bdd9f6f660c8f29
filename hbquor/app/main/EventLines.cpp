// SPDX-License-Identifier: MIT
#include "EventLines.h"

#include "DisplayText.h"
#include "EventLog.h"
#include "FillFields.h"

#include "hbQuorUnit.h"

namespace {

QString N(int number) {
    return QString::number(number);
}

QString UserStatusText(hbquor::QuorUserStatus status) {
    switch (status) {
    case hbquor::QuorUserStatus::NotRegistered:
        return QStringLiteral("is not registered");
    case hbquor::QuorUserStatus::OnlineUser:
        return QStringLiteral("is online as user");
    case hbquor::QuorUserStatus::OnlineAdmin:
        return QStringLiteral("is online as administrator");
    default:
        return QStringLiteral("is offline");
    }
}

} // namespace

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

void EventLines::Said(const QString &head, const QString &text) {
    const QString said = hbquor::LineField(text);
    FLog.Write(lsChat, PaneLine(head + QStringLiteral(": \t") + said),
               head + QStringLiteral(": ") + said);
}

void EventLines::ChannelJoined(const QString &user, const QString &channel) {
    const QString text = FillFields("%s joined channel %s", {user, channel});
    FLog.Write(lsConnection, text, Stamped(": ", text));
}

void EventLines::ChannelLeft(const QString &user, const QString &channel) {
    const QString text = FillFields("%s left channel %s", {user, channel});
    FLog.Write(lsConnection, text, Stamped(": ", text));
}

void EventLines::ChannelOpened(const QString &own, const QString &channel) {
    const QString text = FillFields("%s opened channel %s", {own, channel});
    FLog.Write(lsConnection, text, Stamped(": ", text));
}

void EventLines::ChannelClosed(const QString &own, const QString &channel) {
    ChannelLeft(own, channel);
    const QString text = FillFields("%s closed channel %s", {own, channel});
    FLog.Write(lsConnection, text, Stamped(": ", text));
}

void EventLines::ChannelError(const QString &channel, const QString &account, int code,
                              const QString &errText) {
    FLog.Write(lsError,
               FillFields("Channel error: %s, %s - %d %s", {channel, account, N(code), errText}),
               Stamped(" - ", FillFields("Channel %s error %d: %s", {channel, N(code), errText})));
}

void EventLines::ChannelText(const QString &channel, const QString &from, const QString &text) {
    Said(FillFields("%s - %s", {channel, from}), text);
}

void EventLines::ChannelListEntry(const QString &channel, const QString &typeName, int userCount) {
    const QString text =
        FillFields("  Channel: %s - %s - %d %s",
                   {channel, typeName, N(userCount),
                    userCount == 1 ? QStringLiteral("user") : QStringLiteral("users")});
    FLog.Write(lsServer, text, text);
}

void EventLines::ChannelListEnd(int count) {
    const QString text = count == 1 ? FillFields("There is %d channel operating", {N(count)})
                                    : FillFields("There are %d channels operating", {N(count)});
    FLog.Write(lsServer, text, text);
}

void EventLines::Invitation(const QString &from, const QString &account, const QString &channel) {
    const QString text =
        FillFields("Invitation: %s invites %s to join channel %s", {from, account, channel});
    FLog.Write(lsInvitation, text, text);
}

void EventLines::PrivateText(const QString &from, const QString &to, const QString &text) {
    Said(FillFields("%s (to %s)", {from, to}), text);
}

void EventLines::OfflineText(const QString &from, const QString &account, double sentTime,
                             const QString &text) {
    const TimeText &times = FLog.Times();
    const QString header =
        FillFields("%s (to %s), sent on %s %s:",
                   {from, account, times.LongDate(sentTime), times.ZoneName(sentTime)});
    FLog.AddLine(lsTelegramHeader, header);
    FLog.Write(lsTelegramBody, QStringLiteral("\t") + hbquor::LineField(text),
               FillFields("%s %s", {header, text}));
}

void EventLines::TextFailed(const QString &account, const QString &target, int code,
                            const QString &errText) {
    FLog.Write(lsError,
               FillFields("Error %s - text for %s, %d %s", {account, target, N(code), errText}),
               Stamped(" - ", FillFields("%s text for %s error %d: %s",
                                         {account, target, N(code), errText})));
}

void EventLines::Connecting() {
    FLog.AddLine(lsConnection, QStringLiteral("Connecting..."));
}

void EventLines::Connected(const QString &account) {
    const QString text = FillFields("Connected: %s", {account});
    FLog.Write(lsConnection, text, Stamped(" - ", text));
}

void EventLines::Disconnected(const QString &account) {
    const QString text = FillFields("Disconnected: %s", {account});
    FLog.Write(lsConnection, text, Stamped(" - ", text));
}

void EventLines::LoginFailed(const QString &account, int code, const QString &errText,
                             const QString &server) {
    FLog.AddLine(lsError,
                 FillFields("Login error: %s - %d %s (%s)", {account, N(code), errText, server}));
}

void EventLines::UserStatus(const QString &name, hbquor::QuorUserStatus status) {
    FLog.AddLine(lsStatus, FillFields("%s %s", {name, UserStatusText(status)}));
}

void EventLines::PingReply(const QString &name, int seconds) {
    FLog.AddLine(lsConnection,
                 FillFields("Ping reply from %s: %d %s",
                            {name, N(seconds),
                             seconds == 1 ? QStringLiteral("second") : QStringLiteral("seconds")}));
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
    FLog.AddLine(lsError,
                 FillFields("Settings: the value of %s is not valid - the default is used", {key}));
}

void EventLines::Error(const QString &account, const QString &where, const QString &what, int code,
                       const QString &errText) {
    const QString who = account.isEmpty() ? QString() : FillFields("%s - ", {account});
    FLog.AddLine(lsError,
                 FillFields("Error: %s%s, %s, %d %s", {who, where, what, N(code), errText}));
}
