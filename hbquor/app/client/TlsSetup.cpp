// SPDX-License-Identifier: MIT
#include "TlsSetup.h"

#include "FillFields.h"

#include "hbQuorTls.h"

namespace hbquor::client {

TlsSetup::TlsSetup(const ConnectionSettings &settings)
    : FTls(settings.Tls), FServer(settings.Server) {
    // Turning TLS off cannot fail; turning it on fails on the CA file, or
    // when the library cannot make a TLS context at all.
    if (hbquor::ApplyTlsSettings({settings.Tls, settings.CaFile.toLocal8Bit().toStdString()}) ==
            0 ||
        !settings.Tls)
        return;
    if (!settings.CaFile.isEmpty() && hbquor::ApplyTlsSettings({true, {}}) == 0) {
        FProblem = FillFields(tr("TLS: the CA file %s cannot be read; only the system's "
                                 "certificates are trusted"),
                              {settings.CaFile});
        return;
    }
    FUsable = false;
    FProblem = tr("TLS could not be set up - logging on is not possible");
}

QString TlsSetup::LogonLine() const {
    if (!FUsable)
        return tr("Not logged on: TLS could not be set up");
    if (FTls || FServer.IsLoopback())
        return {};
    return FillFields(tr("Warning: TLS is off - the password and texts travel unencrypted to %s"),
                      {FServer.Text()});
}

} // namespace hbquor::client
