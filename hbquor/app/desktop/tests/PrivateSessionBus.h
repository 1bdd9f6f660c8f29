// SPDX-License-Identifier: MIT
// A session bus of the test's own: dbus-daemon on a socket in a temporary
// folder, with no services to start, so that nothing of the user's desktop
// answers. DBUS_SESSION_BUS_ADDRESS points at it from Start on.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateSessionBus {
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    /// Starts the daemon; an empty text on success, else why it did not.
    QString Start();
    QString Address() const { return FAddress; }

private:
    QTemporaryDir FDir;
    QProcess FDaemon;
    QString FAddress;
};
