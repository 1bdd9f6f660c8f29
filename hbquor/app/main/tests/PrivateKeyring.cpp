// SPDX-License-Identifier: MIT
#include "PrivateKeyring.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QStandardPaths>
#include <QTest>

PrivateKeyring::~PrivateKeyring() {
    if (FDaemon.state() != QProcess::NotRunning) {
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(5000))
            FDaemon.kill();
        FDaemon.waitForFinished(5000);
    }
}

QString PrivateKeyring::Start() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("gnome-keyring-daemon"));
    if (daemon.isEmpty())
        return QStringLiteral("gnome-keyring-daemon is not installed (scripts/bootstrap installs "
                              "gnome-keyring)");
    if (const QString problem = FBus.Start(); !problem.isEmpty())
        return problem;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *folder : {"home", "data", "run"}) {
        if (!QDir(FHome.path()).mkpath(QLatin1String(folder)))
            return QStringLiteral("cannot make the keyring's folders");
    }
    QFile::setPermissions(FHome.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("HOME"), FHome.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), FHome.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FHome.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FBus.Address());
    FDaemon.setProcessEnvironment(env);
    FDaemon.start(daemon, {QStringLiteral("--foreground"), QStringLiteral("--unlock"),
                           QStringLiteral("--components=secrets")});
    if (!FDaemon.waitForStarted(5000))
        return QStringLiteral("gnome-keyring-daemon did not start: ") + FDaemon.errorString();
    // The password of the login keyring, which the daemon makes and unlocks
    // with it (an empty one makes none).
    FDaemon.write("hbquor-test");
    FDaemon.closeWriteChannel();
    QDBusConnection bus = QDBusConnection::connectToBus(FBus.Address(), QStringLiteral("keyring"));
    const QDeadlineTimer deadline(10000);
    while (!bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"))) {
        if (deadline.hasExpired() || FDaemon.state() == QProcess::NotRunning)
            return QStringLiteral("gnome-keyring-daemon offered no secret service: ") +
                   QString::fromLocal8Bit(FDaemon.readAllStandardError());
        QTest::qWait(50);
    }
    return {};
}
