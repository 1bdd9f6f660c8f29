// SPDX-License-Identifier: MIT
#include "RecordingNotificationService.h"

#include <QDBusMessage>

#include <atomic>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");

/// Each service gets a connection of its own.
QString ConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("recording-service-%1").arg(++count);
}

} // namespace

RecordingNotificationService::RecordingNotificationService(const QString &address,
                                                           QStringList capabilities)
    : FBus(QDBusConnection::connectToBus(address, ConnectionName())),
      FCapabilities(std::move(capabilities)) {
    FRegistered = FBus.registerObject(Path, this, QDBusConnection::ExportAllSlots) &&
                  FBus.registerService(Service);
}

RecordingNotificationService::~RecordingNotificationService() {
    FBus.unregisterService(Service);
    FBus.unregisterObject(Path);
    QDBusConnection::disconnectFromBus(FBus.name());
}

QStringList RecordingNotificationService::GetCapabilities() {
    return FCapabilities;
}

uint RecordingNotificationService::Notify(const QString &appName, uint replacesId,
                                          const QString &icon, const QString &summary,
                                          const QString &body, const QStringList &actions,
                                          const QVariantMap &hints, int timeout) {
    Calls.append({appName, replacesId, icon, summary, body, actions, hints, timeout});
    const uint id = OpenIds.contains(replacesId) ? replacesId : ++FLastId;
    OpenIds.insert(id);
    return id;
}

void RecordingNotificationService::CloseNotification(uint id) {
    Close(id);
}

void RecordingNotificationService::Click(uint id, const QString &actionKey) {
    FBus.send(QDBusMessage::createSignal(Path, Interface, QStringLiteral("ActionInvoked"))
              << id << actionKey);
}

void RecordingNotificationService::Close(uint id) {
    OpenIds.remove(id);
    FBus.send(QDBusMessage::createSignal(Path, Interface, QStringLiteral("NotificationClosed"))
              << id << uint(3));
}
