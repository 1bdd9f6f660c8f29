// SPDX-License-Identifier: MIT
#include "LineText.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace hbquor::history {

namespace {

QDateTime Utc(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toUTC();
}

// The words of the event log for what is not a said line.
QString Body(const Line &line) {
    switch (line.Kind) {
    case LineKind::Invitation:
        return QStringLiteral("Invitation: %1 invites %2 to join channel %3")
            .arg(line.Sender, line.Owner.User, line.Peer);
    case LineKind::Logon:
        return QStringLiteral("Connected: %1").arg(line.Owner.User);
    case LineKind::Logoff:
        return QStringLiteral("Disconnected: %1").arg(line.Owner.User);
    case LineKind::OfflineText:
        return QStringLiteral("%1 (offline text): %2").arg(line.Sender, line.Text);
    case LineKind::Broadcast:
        return QStringLiteral("%1 (broadcast): %2").arg(line.Sender, line.Text);
    case LineKind::Text:
    case LineKind::ChannelText:
        break;
    }
    return QStringLiteral("%1: %2").arg(line.Sender, line.Text);
}

} // namespace

QString KindName(LineKind kind) {
    switch (kind) {
    case LineKind::Text:
        return QStringLiteral("text");
    case LineKind::OfflineText:
        return QStringLiteral("offline");
    case LineKind::ChannelText:
        return QStringLiteral("channel");
    case LineKind::Broadcast:
        return QStringLiteral("broadcast");
    case LineKind::Invitation:
        return QStringLiteral("invitation");
    case LineKind::Logon:
        return QStringLiteral("logon");
    case LineKind::Logoff:
        return QStringLiteral("logoff");
    }
    return QStringLiteral("text");
}

QByteArray PlainTextLine(const Line &line) {
    QString body = Body(line);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    body.replace(QLatin1Char('\n'), QLatin1String("\n\t"));
    return (Utc(line.AtMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
            QStringLiteral(" UTC  ") + body + QLatin1Char('\n'))
        .toUtf8();
}

QByteArray JsonLine(const Line &line) {
    const QJsonObject object{
        {QStringLiteral("id"), line.Id},
        {QStringLiteral("time"), Utc(line.AtMs).toString(Qt::ISODateWithMs)},
        {QStringLiteral("kind"), KindName(line.Kind)},
        {QStringLiteral("direction"), line.Direction == LineDirection::Sent
                                          ? QStringLiteral("sent")
                                          : QStringLiteral("received")},
        {QStringLiteral("sender"), line.Sender},
        {QStringLiteral("peer"), line.Peer},
        {QStringLiteral("text"), line.Text},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace hbquor::history
