// SPDX-License-Identifier: MIT
// ServerAddress: the chat server the settings choose, as the log names it
// (host:port) and whether it is this machine. An empty host and a port of 0
// or less stand for the library's defaults, localhost and 8317.
#pragma once

#include <QString>

namespace hbquor::client {

struct ServerAddress {
    QString Host;
    int Port = 0;

    /// "host:port"; a numeric IPv6 host is put in brackets.
    QString Text() const;
    /// localhost, an address of 127.0.0.0/8, or ::1 (also as ::ffff:127.x.y.z).
    /// Other names are not resolved: they count as another machine.
    bool IsLoopback() const;

private:
    QString EffectiveHost() const;
};

} // namespace hbquor::client
