// SPDX-License-Identifier: MIT
// A secret store of the test's own: gnome-keyring-daemon on a private
// session bus, with its keyrings in a temporary home, unlocked with an
// throwaway password, so that the user's keyring is never touched.
#pragma once

#include "PrivateSessionBus.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateKeyring {
public:
    PrivateKeyring() = default;
    ~PrivateKeyring();
    PrivateKeyring(const PrivateKeyring &) = delete;
    PrivateKeyring &operator=(const PrivateKeyring &) = delete;

    /// Starts the bus and the daemon; an empty text on success, else why not.
    QString Start();

private:
    PrivateSessionBus FBus;
    QTemporaryDir FHome;
    QProcess FDaemon;
};
