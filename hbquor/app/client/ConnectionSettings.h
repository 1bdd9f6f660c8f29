// ConnectionSettings: how the client core connects: the chat server, TLS
// with the CA file trusted besides the system's certificates, and whether a
// lost connection is retried. The program keeps them in its settings file;
// the core takes them as values, at start-up and whenever they change.
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
};

} // namespace hbquor::client
