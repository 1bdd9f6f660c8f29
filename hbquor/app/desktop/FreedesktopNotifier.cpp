#include "FreedesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

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

/// The text with control characters other than line breaks and tabs as
/// blanks: nothing a server sent can make the message invalid.
QString PlainText(QString text) {
    for (QChar &c : text)
        if (c.unicode() < 0x20 && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(QString appName, QString desktopName, QObject *parent)
    : QObject(parent), FAppName(std::move(appName)), FDesktopName(std::move(desktopName)) {}

FreedesktopNotifier::~FreedesktopNotifier() {
    if (!FConnected)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.disconnect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                   SLOT(ActionInvoked(uint, QString)));
    bus.disconnect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                   SLOT(NotificationClosed(uint, uint)));
}

void FreedesktopNotifier::Notify(const QString &summary, const QString &body, ClickAction onClick) {
    if (!Connect())
        return;
    Waiting notification{PlainText(summary), PlainText(body), std::move(onClick)};
    if (FKnowsCapabilities) {
        Send(notification);
        return;
    }
    FWaiting.append(std::move(notification));
    if (FWaiting.size() > MaxWaiting)
        FWaiting.removeFirst();
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
        FWaiting.clear();
        return;
    }
    FKnowsCapabilities = true;
    FBodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
    FActions = reply.value().contains(QStringLiteral("actions"));
    for (const Waiting &notification : std::exchange(FWaiting, {}))
        Send(notification);
}

void FreedesktopNotifier::Send(const Waiting &notification) {
    QDBusMessage message = MethodCall(QStringLiteral("Notify"));
    const QStringList actions = FActions && notification.OnClick
                                    ? QStringList{DefaultAction, QStringLiteral("Show")}
                                    : QStringList();
    const QVariantMap hints{{QStringLiteral("category"), QStringLiteral("im.received")},
                            {QStringLiteral("desktop-entry"), FDesktopName}};
    message << FAppName << uint(0) << FDesktopName << notification.Summary
            << (FBodyMarkup ? notification.Body.toHtmlEscaped() : notification.Body) << actions
            << hints << ServiceChoosesTimeout;
    auto *call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, CallTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [this, onClick = notification.OnClick](QDBusPendingCallWatcher *answered) {
                Sent(answered, onClick);
            });
}

void FreedesktopNotifier::Sent(QDBusPendingCallWatcher *call, const ClickAction &onClick) {
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError()) {
        LogOnce(FLoggedNoService, reply.error().message());
        return;
    }
    if (!onClick)
        return;
    const uint id = reply.value();
    if (!FClickActions.contains(id))
        FClickOrder.append(id);
    FClickActions.insert(id, onClick);
    while (FClickOrder.size() > MaxClickable)
        FClickActions.remove(FClickOrder.takeFirst());
}

void FreedesktopNotifier::ActionInvoked(uint id, const QString &actionKey) {
    if (actionKey != DefaultAction)
        return;
    // A copy: the action may show a window, which may close notifications.
    const ClickAction action = FClickActions.value(id);
    if (action)
        action();
}

void FreedesktopNotifier::NotificationClosed(uint id, uint) {
    if (FClickActions.remove(id) > 0)
        FClickOrder.removeOne(id);
}

void FreedesktopNotifier::LogOnce(bool &logged, const QString &text) {
    if (logged)
        return;
    logged = true;
    qWarning("hbquor: desktop notifications are not shown: %s", qUtf8Printable(text));
}
