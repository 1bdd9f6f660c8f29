// SPDX-License-Identifier: MIT
// Encrypted connections for the session layer: the program's two settings,
// TLS on or off and a CA file, handed to the library, which applies them to
// every later log-on, account request and password request.
#pragma once

#include <string>

namespace hbquor {

struct TQuorTlsSettings {
    // Off: the plain records the service has always spoken.
    bool Enabled = false;
    // A PEM file with the CA, or the server's own self-signed certificate,
    // trusted besides the system's trust store; empty for none. Not read
    // while TLS is off.
    std::string CaFile;
};

// Hands the settings to the library. Call it before ThbQuorCentral::Init,
// or between connections: connections already under way keep their mode.
// Returns 0, or 43 ("TLS could not be set up") when the CA file cannot be
// read; the earlier settings then stay in force.
int ApplyTlsSettings(const TQuorTlsSettings &settings);

} // namespace hbquor
