// SPDX-License-Identifier: MIT
// ConnectionSettings: how the client core connects: the chat server, TLS
// with the CA file trusted besides the system's certificates, whether a
// lost connection is retried, and the proxy connections go through. The program keeps them in its
// settings file; the core takes them as values, at start-up and whenever they change.
#pragma once

#include "ServerAddress.h"

#include <QString>

namespace hbquor::client {

struct ConnectionSettings {
    ServerAddress Server;
    /// Connect with TLS and verify the server's certificate.
    bool Tls = false;
    /// A PEM file trusted besides the system's store; empty for none.
    QString CaFile;
    /// Retry after the server closed the connection or it broke.
    bool AutoReconnect = true;
    /// The proxy: none, SOCKS5 or HTTP, with its address and, when it asks
    /// for them, a user name and password (kept in memory only).
    enum class ProxyKind { None = 0, Socks5 = 1, Http = 2 };
    struct ProxySettings {
        ProxyKind Kind = ProxyKind::None;
        QString Host;
        int Port = 0;
        QString User;
        QString Password;
    };
    ProxySettings Proxy = {};
};

} // namespace hbquor::client
