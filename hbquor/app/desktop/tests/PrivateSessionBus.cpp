// SPDX-License-Identifier: MIT
#include "PrivateSessionBus.h"

#include <QFile>
#include <QStandardPaths>

namespace {

/// A bus on one socket that lets everyone send and own any name.
QByteArray Config(const QString &socket) {
    return QStringLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:path=%1</listen>"
               "<auth>EXTERNAL</auth><policy context=\"default\">"
               "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
               "<allow own=\"*\"/></policy></busconfig>\n")
        .arg(socket)
        .toUtf8();
}

} // namespace

PrivateSessionBus::~PrivateSessionBus() {
    if (FDaemon.state() != QProcess::NotRunning) {
        FDaemon.terminate();
        if (!FDaemon.waitForFinished(5000))
            FDaemon.kill();
        FDaemon.waitForFinished(5000);
    }
}

QString PrivateSessionBus::Start() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return QStringLiteral("dbus-daemon is not installed (scripts/bootstrap installs dbus)");
    QFile config(FDir.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(Config(FDir.filePath(QStringLiteral("bus")))) < 0)
        return QStringLiteral("cannot write the bus configuration");
    config.close();
    FDaemon.start(daemon, {QStringLiteral("--config-file=") + config.fileName(),
                           QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!FDaemon.waitForStarted(5000))
        return QStringLiteral("dbus-daemon did not start: ") + FDaemon.errorString();
    while (!FDaemon.canReadLine())
        if (!FDaemon.waitForReadyRead(5000))
            return QStringLiteral("dbus-daemon printed no address: ") +
                   QString::fromLocal8Bit(FDaemon.readAllStandardError());
    FAddress = QString::fromUtf8(FDaemon.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", FAddress.toUtf8());
    return {};
}
