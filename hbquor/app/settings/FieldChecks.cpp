// SPDX-License-Identifier: MIT
#include "FieldChecks.h"

#include <QCoreApplication>
#include <QFile>
#include <QSslCertificate>

namespace hbquor::settings {

namespace {

constexpr int HighestPort = 65535;

} // namespace

QString HostProblem(const QString &host) {
    const QString trimmed = host.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("FieldChecks", "a host is needed");
    if (trimmed.contains(QLatin1Char(' ')))
        return QCoreApplication::translate("FieldChecks", "a host has no blanks");
    return {};
}

QString PortProblem(const QString &port) {
    bool number = false;
    const int value = port.trimmed().toInt(&number);
    if (!number)
        return QCoreApplication::translate("FieldChecks", "the port is a number");
    if (value < 1 || value > HighestPort)
        return QCoreApplication::translate("FieldChecks", "the port lies between 1 and 65535");
    return {};
}

QString CaFileProblem(const QString &fileName) {
    if (fileName.trimmed().isEmpty())
        return {};
    QFile file(fileName.trimmed());
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("FieldChecks", "the file cannot be read");
    if (QSslCertificate::fromDevice(&file, QSsl::Pem).isEmpty())
        return QCoreApplication::translate("FieldChecks", "the file holds no PEM certificate");
    return {};
}

QString ProxyHostProblem(bool proxyChosen, const QString &host) {
    if (host.trimmed().isEmpty())
        return proxyChosen ? QCoreApplication::translate("FieldChecks", "the proxy needs a host")
                           : QString();
    return HostProblem(host);
}

QString ProxyPortProblem(bool proxyChosen, const QString &port) {
    if (port.trimmed().isEmpty())
        return proxyChosen ? QCoreApplication::translate("FieldChecks", "the proxy needs a port")
                           : QString();
    return PortProblem(port);
}

} // namespace hbquor::settings
