// FreedesktopNotifier: desktop notifications through the notification
// service of the session bus (org.freedesktop.Notifications).
//
// Nothing touches the bus until the first notification, so a program that
// never notifies never connects. Every call is asynchronous: a missing bus,
// a missing service or a service that never answers cannot stall the
// program. The service's capabilities are asked for first: bodies are
// escaped when it reads markup, so a text is never taken for markup, and a
// click ("default" action) runs the notification's click action. Each kind
// of failure is logged once.
#pragma once

#include "DesktopNotifier.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

class FreedesktopNotifier : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    /// appName is the name the notifications come from; desktopName names
    /// the program's icon and its desktop entry.
    FreedesktopNotifier(QString appName, QString desktopName, QObject *parent = nullptr);
    ~FreedesktopNotifier() override;

    void Notify(const QString &summary, const QString &body, ClickAction onClick) override;

    /// Notifications kept waiting for the service's capabilities; beyond it
    /// the oldest waiting one is dropped.
    static constexpr int MaxWaiting = 16;
    /// Click actions kept for notifications still shown; beyond it the
    /// oldest is forgotten (a service need not report every close).
    static constexpr int MaxClickable = 64;

private slots:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    struct Waiting {
        QString Summary;
        QString Body;
        ClickAction OnClick;
    };

    /// Connects to the session bus and its signals once; false when there
    /// is no bus.
    bool Connect();
    void AskCapabilities();
    void CapabilitiesAnswered(QDBusPendingCallWatcher *call);
    void Send(const Waiting &notification);
    void Sent(QDBusPendingCallWatcher *call, const ClickAction &onClick);
    /// Writes one log line for a kind of failure, the first time only.
    void LogOnce(bool &logged, const QString &text);

    QString FAppName;
    QString FDesktopName;
    bool FConnected = false;
    bool FNoBus = false;
    bool FAsking = false;
    bool FKnowsCapabilities = false;
    bool FBodyMarkup = false;
    bool FActions = false;
    bool FLoggedNoBus = false;
    bool FLoggedNoService = false;
    QList<Waiting> FWaiting;
    QHash<uint, ClickAction> FClickActions;
    /// Ids of FClickActions, oldest first.
    QList<uint> FClickOrder;
};
