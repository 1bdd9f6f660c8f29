// SPDX-License-Identifier: MIT
// ConnectionSettings: how the program connects, kept in the settings file's
// section "Parameters" beside the main window's other keys: QuorTls and
// QuorCaFile (encrypted connections), AutoReconnect (logging on again by
// itself after the server closed the connection or it broke), the proxy
// (ProxyType, ProxyHost, ProxyPort, ProxyUser), keeping the passwords in
// the desktop's secret store (RememberPassword) and logging on by itself at
// start with them (AutoLogon). No password is ever written to the file.
#pragma once

#include <QString>

class CheckedKeys;
class QuorSettings;

struct ConnectionSettings {
    /// ProxyType: how connections reach the server.
    enum class Proxy { None = 0, Socks5 = 1, Http = 2 };

    /// QuorTls: connect with TLS and verify the server's certificate.
    bool Tls = false;
    /// QuorCaFile: a PEM file trusted besides the system's store; empty for none.
    QString CaFile;
    /// AutoReconnect: retry after a lost connection.
    bool AutoReconnect = true;
    Proxy ProxyType = Proxy::None;
    QString ProxyHost;
    /// ProxyPort: 0 while none is set.
    int ProxyPort = 0;
    /// ProxyUser: empty when the proxy asks for no name.
    QString ProxyUser;
    /// Typed in the settings dialog or read from the secret store; never
    /// written.
    QString ProxyPassword;
    /// RememberPassword: keep the account's and the proxy's passwords in the
    /// secret store.
    bool RememberPassword = false;
    /// AutoLogon: log on at start with the remembered password.
    bool AutoLogon = false;

    bool operator==(const ConnectionSettings &) const = default;

    /// The keys of section; a missing or faulty key gives its default.
    static ConnectionSettings Read(CheckedKeys &keys);
    void Write(QuorSettings &file, const QString &section) const;
};
