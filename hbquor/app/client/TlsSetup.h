// SPDX-License-Identifier: MIT
// TlsSetup: hands the program's TLS settings to the library before it
// starts, and words what the user must know about them: a CA file that
// cannot be read, TLS that could not be set up at all, and a logon whose
// password is about to cross the network unencrypted.
//
// TLS that was asked for is never dropped silently: a CA file that cannot
// be read leaves TLS on with the system's certificates alone (a server they
// do not vouch for is then refused), and when even that fails, logging on is
// refused rather than sent in clear.
#pragma once

#include "ConnectionSettings.h"

#include <QCoreApplication>
#include <QString>

namespace hbquor::client {

class TlsSetup {
    Q_DECLARE_TR_FUNCTIONS(TlsSetup)

public:
    /// Applies settings to the library at once.
    explicit TlsSetup(const ConnectionSettings &settings);

    /// The line that reports a failed setup; empty when all went well.
    const QString &Problem() const { return FProblem; }
    /// Logging on may go ahead: TLS is off, or on as far as it could be set up.
    bool Usable() const { return FUsable; }
    /// The line a logon writes before it starts: the warning that the
    /// password and texts go unencrypted to another machine, the refusal
    /// when TLS could not be set up, or nothing.
    QString LogonLine() const;

private:
    bool FTls;
    ServerAddress FServer;
    bool FUsable = true;
    QString FProblem;
};

} // namespace hbquor::client
