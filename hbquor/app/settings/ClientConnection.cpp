// SPDX-License-Identifier: MIT
#include "ClientConnection.h"

#include "ChatClient.h"
#include "MainSettings.h"

namespace hbquor::settings {

hbquor::client::ConnectionSettings ClientConnection(const MainSettings &settings) {
    const ::ConnectionSettings &c = settings.Connection;
    using Kind = hbquor::client::ConnectionSettings::ProxyKind;
    return {
        {settings.QuorHost, settings.QuorPort},
        c.Tls,
        c.CaFile,
        c.AutoReconnect,
        {static_cast<Kind>(c.ProxyType), c.ProxyHost, c.ProxyPort, c.ProxyUser, c.ProxyPassword}};
}

} // namespace hbquor::settings
