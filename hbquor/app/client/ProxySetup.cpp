// SPDX-License-Identifier: MIT
#include "ProxySetup.h"

#include "FillFields.h"

#include "hbQuorErrors.h"
#include "hbQuorProxy.h"

namespace hbquor::client {

ProxySetup::ProxySetup(const ConnectionSettings::ProxySettings &proxy) {
    const int result = hbquor::ApplyProxySettings(
        {static_cast<TQuorProxyType>(proxy.Kind), proxy.Host.toStdString(), proxy.Port,
         proxy.User.toStdString(), proxy.Password.toStdString()});
    if (result != 0)
        FProblem = FillFields(tr("Proxy %s:%d cannot be used: %d %s - logging on is not possible"),
                              {proxy.Host, QString::number(proxy.Port), QString::number(result),
                               QString::fromStdString(hbquor::ErrorText(result))});
}

QString ProxySetup::LogonLine() const {
    return Usable() ? QString() : tr("Not logged on: the proxy could not be set up");
}

} // namespace hbquor::client
