// SPDX-License-Identifier: MIT
// A notification service for tests: owns org.freedesktop.Notifications on
// its own connection to the bus, answers with the capabilities it is given,
// records every Notify call, replaces an open notification in place as a
// desktop does, and sends the signals a desktop would.
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>

class RecordingNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString AppName;
        uint ReplacesId;
        QString Icon;
        QString Summary;
        QString Body;
        QStringList Actions;
        QVariantMap Hints;
        int Timeout;
    };

    /// Connects to the bus at address and owns the service name.
    RecordingNotificationService(const QString &address, QStringList capabilities);
    ~RecordingNotificationService() override;

    /// Whether the service name is owned.
    bool IsRegistered() const { return FRegistered; }
    /// The Notify calls so far. A call that replaces an open notification
    /// is answered with its id, any other with the next new id (1, 2, ...).
    QList<Call> Calls;
    /// The notifications shown now.
    QSet<uint> OpenIds;

    /// Sends the signal of a click on the notification id (action key
    /// "default" unless another is given) and of its closing.
    void Click(uint id, const QString &actionKey = QStringLiteral("default"));
    void Close(uint id);

public slots:
    QStringList GetCapabilities();
    uint Notify(const QString &appName, uint replacesId, const QString &icon,
                const QString &summary, const QString &body, const QStringList &actions,
                const QVariantMap &hints, int timeout);
    void CloseNotification(uint id);

private:
    QDBusConnection FBus;
    QStringList FCapabilities;
    bool FRegistered = false;
    uint FLastId = 0;
};
