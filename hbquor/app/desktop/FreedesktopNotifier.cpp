// SPDX-License-Identifier: MIT
#include "FreedesktopNotifier.h"

#include "DisplayText.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
/// The action key the service reports for a click on the notification.
const QString DefaultAction = QStringLiteral("default");
/// How long a call may wait for the service's answer.
constexpr int CallTimeoutMs = 10000;
/// The service chooses how long a notification stays.
constexpr int ServiceChoosesTimeout = -1;

QDBusMessage MethodCall(const QString &method) {
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

qint64 SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(QString appName, QString desktopName, QObject *parent,
                                         Clock now)
    : QObject(parent), FAppName(std::move(appName)), FDesktopName(std::move(desktopName)),
      FNow(now ? std::move(now) : Clock(SteadyMilliseconds)) {
    FDueTimer.setSingleShot(true);
    connect(&FDueTimer, &QTimer::timeout, this, &FreedesktopNotifier::SendDue);
}

FreedesktopNotifier::~FreedesktopNotifier() {
    if (!FConnected)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.disconnect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                   SLOT(ActionInvoked(uint, QString)));
    bus.disconnect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                   SLOT(NotificationClosed(uint, uint)));
}

void FreedesktopNotifier::Notify(Notification notification) {
    if (!Connect())
        return;
    // Nothing a server sent can make the message invalid or add a line.
    notification.Summary = hbquor::OneLine(notification.Summary);
    notification.Body = hbquor::OneLine(notification.Body);
    FQueue.Add(std::move(notification));
    if (FKnowsCapabilities)
        SendDue();
    else
        AskCapabilities();
}

bool FreedesktopNotifier::Connect() {
    if (FConnected)
        return true;
    if (FNoBus)
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        FNoBus = true;
        LogOnce(FLoggedNoBus, QStringLiteral("no session bus (%1)").arg(bus.lastError().message()));
        return false;
    }
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));
    FConnected = true;
    return true;
}

void FreedesktopNotifier::AskCapabilities() {
    if (FAsking)
        return;
    FAsking = true;
    auto *call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(MethodCall(QStringLiteral("GetCapabilities")),
                                                CallTimeoutMs),
        this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            &FreedesktopNotifier::CapabilitiesAnswered);
}

void FreedesktopNotifier::CapabilitiesAnswered(QDBusPendingCallWatcher *call) {
    call->deleteLater();
    FAsking = false;
    const QDBusPendingReply<QStringList> reply = *call;
    if (reply.isError()) {
        // No service now; the next notification asks again.
        LogOnce(FLoggedNoService, reply.error().message());
        FQueue.DropWaiting();
        return;
    }
    FKnowsCapabilities = true;
    FBodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
    FActions = reply.value().contains(QStringLiteral("actions"));
    SendDue();
}

void FreedesktopNotifier::SendDue() {
    const qint64 now = FNow();
    for (const NotificationQueue::Call &call : FQueue.Due(now))
        Send(call);
    if (const std::optional<qint64> next = FQueue.NextDue())
        FDueTimer.start(int(std::clamp<qint64>(*next - now, 0, NotificationQueue::MinuteMs)));
}

void FreedesktopNotifier::Send(const NotificationQueue::Call &call) {
    QDBusMessage message = MethodCall(QStringLiteral("Notify"));
    QStringList actions;
    if (FActions && call.Clickable)
        actions << DefaultAction << tr("Show");
    const QVariantMap hints{{QStringLiteral("category"), QStringLiteral("im.received")},
                            {QStringLiteral("desktop-entry"), FDesktopName}};
    message << FAppName << call.ReplacesId << FDesktopName << call.Summary
            << (FBodyMarkup ? call.Body.toHtmlEscaped() : call.Body) << actions << hints
            << ServiceChoosesTimeout;
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, CallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, ticket = call.Ticket](QDBusPendingCallWatcher *answered) {
                Sent(answered, ticket);
            });
}

void FreedesktopNotifier::Sent(QDBusPendingCallWatcher *call, quint64 ticket) {
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError())
        LogOnce(FLoggedNoService, reply.error().message());
    FQueue.Answered(ticket, reply.isError() ? 0 : reply.value());
    // The sender's newer notification may wait for this id.
    SendDue();
}

void FreedesktopNotifier::ActionInvoked(uint id, const QString &actionKey) {
    if (actionKey != DefaultAction)
        return;
    // A copy: the action may show a window, which may close notifications.
    const ClickAction action = FQueue.ClickActionOf(id);
    if (action)
        action();
}

void FreedesktopNotifier::NotificationClosed(uint id, uint) {
    FQueue.Closed(id);
}

void FreedesktopNotifier::LogOnce(bool &logged, const QString &text) {
    if (logged)
        return;
    logged = true;
    qWarning("hbquor: desktop notifications are not shown: %s", qUtf8Printable(text));
}
