// ConnectionSettings: how the program connects, kept in the settings file's
// section "Parameters" beside the main window's other keys: QuorTls and
// QuorCaFile (encrypted connections) and AutoReconnect (logging on again by
// itself after the server closed the connection or it broke).
#pragma once

#include <QString>

class QuorSettings;

struct ConnectionSettings {
    /// QuorTls: connect with TLS and verify the server's certificate.
    bool Tls = false;
    /// QuorCaFile: a PEM file trusted besides the system's store; empty for none.
    QString CaFile;
    /// AutoReconnect: retry after a lost connection.
    bool AutoReconnect = true;

    /// The keys of section in file; a missing key gives its default.
    static ConnectionSettings Read(const QuorSettings &file, const QString &section);
    void Write(QuorSettings &file, const QString &section) const;
};
