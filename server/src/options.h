// SPDX-License-Identifier: MIT
// Command-line options of quord.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace quord {

struct ServerOptions {
    std::string listenAddress = "127.0.0.1";
    int port = 8317; // 0 picks a free port, which the log reports
    std::string dataDir;
    std::string adminName; // with adminEmail: make sure this administrator exists
    std::string adminEmail;
    int pingIntervalSeconds = 20;
    bool registrationOpen = true;
    std::size_t maxClients = 10000;
    // TLS for every client when both are set (PEM files).
    std::string tlsCertFile;
    std::string tlsKeyFile;
    int tlsHandshakeSeconds = 10;
    std::size_t maxPerAddress = 16;          // connections that have not logged on
    std::size_t maxSessionsPerAddress = 256; // logged-on sessions
    int rateBurst = 50;                      // records a client may send at once
    int ratePerSecond = 20;                  // and then a second
    int logonDeadlineSeconds = 10;
    std::size_t logPerAddress = 20;    // connections a minute logged in full before logon; 0: all
    std::size_t logPerConnection = 20; // lines a minute about one connection; 0: all
    std::size_t hashThreads = 0;       // 0: one per core, at most 2
    std::size_t hashQueue = 64;
    unsigned long long hashPasses = 2;
    std::size_t hashMemoryKiB = 19 * 1024;
    int loginFailures = 5;
    int loginWindowSeconds = 15 * 60;
    int loginPenaltyMaxSeconds = 15 * 60;
    std::size_t throttleTable = 10000;
};

// The name of the TLS key among the credentials systemd passes
// ($CREDENTIALS_DIRECTORY), taken when --tls-cert comes without --tls-key.
inline constexpr const char *kTlsKeyCredential = "quord-key.pem";

enum class OptionsOutcome { Run, ExitSuccess, ExitFailure };

// $XDG_DATA_HOME/quord, else ~/.local/share/quord.
std::string DefaultDataDir();

// Fills options from the command line. --help prints the usage to out and
// gives ExitSuccess; a bad option prints the problem and a hint to err and
// gives ExitFailure.
OptionsOutcome ParseOptions(int argc, char **argv, ServerOptions &options, std::ostream &out,
                            std::ostream &err);

} // namespace quord
