// SPDX-License-Identifier: MIT
// FreedesktopNotifier: desktop notifications through the notification
// service of the session bus (org.freedesktop.Notifications).
//
// Nothing touches the bus until the first notification, so a program that
// never notifies never connects. Every call is asynchronous: a missing bus,
// a missing service or a service that never answers cannot stall the
// program. The service's capabilities are asked for first: bodies are
// escaped when it reads markup, so a text is never taken for markup (the
// summary is never markup to the service), and a click ("default" action)
// runs the notification's click action. Summary and body are each shown on
// one line. The NotificationQueue decides what is sent: one open
// notification per sender, replaced in place, and at most ten calls a
// minute, the rest counted in a summary. Each kind of failure is logged once.
#pragma once

#include "DesktopNotifier.h"
#include "NotificationQueue.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QDBusPendingCallWatcher;

class FreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    /// Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;

    /// appName is the name the notifications come from; desktopName names
    /// the program's icon and its desktop entry; now is the clock of the
    /// limit per minute (the system's steady clock unless given).
    FreedesktopNotifier(QString appName, QString desktopName, QObject *parent = nullptr,
                        Clock now = {});
    ~FreedesktopNotifier() override;

    void Notify(Notification notification) override;

private slots:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    /// Connects to the session bus and its signals once; false when there
    /// is no bus.
    bool Connect();
    void AskCapabilities();
    void CapabilitiesAnswered(QDBusPendingCallWatcher *call);
    /// Makes the calls the queue has due and sets the timer for its next.
    void SendDue();
    void Send(const NotificationQueue::Call &call);
    void Sent(QDBusPendingCallWatcher *call, quint64 ticket);
    /// Writes one log line for a kind of failure, the first time only.
    void LogOnce(bool &logged, const QString &text);

    QString FAppName;
    QString FDesktopName;
    Clock FNow;
    NotificationQueue FQueue;
    QTimer FDueTimer;
    bool FConnected = false;
    bool FNoBus = false;
    bool FAsking = false;
    bool FKnowsCapabilities = false;
    bool FBodyMarkup = false;
    bool FActions = false;
    bool FLoggedNoBus = false;
    bool FLoggedNoService = false;
};
