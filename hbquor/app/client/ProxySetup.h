// SPDX-License-Identifier: MIT
// ProxySetup: hands the program's proxy to the library before it connects,
// and words a proxy that could not be set. A proxy that was asked for is
// never skipped silently: logging on is then refused rather than sent past
// it to the server.
#pragma once

#include "ConnectionSettings.h"

#include <QCoreApplication>
#include <QString>

namespace hbquor::client {

class ProxySetup {
    Q_DECLARE_TR_FUNCTIONS(ProxySetup)

public:
    /// Applies proxy to the library at once.
    explicit ProxySetup(const ConnectionSettings::ProxySettings &proxy);

    /// The line that reports a failed setup; empty when all went well.
    const QString &Problem() const { return FProblem; }
    /// Logging on may go ahead.
    bool Usable() const { return FProblem.isEmpty(); }
    /// The line a logon writes when it is refused for the proxy, or nothing.
    QString LogonLine() const;

private:
    QString FProblem;
};

} // namespace hbquor::client
