// SPDX-License-Identifier: MIT
// quord: the reference chat server. Parses the options, opens the data
// folder and serves until SIGINT or SIGTERM.
#include "account_store.h"
#include "chat_server.h"
#include "data_folder.h"
#include "hash_pool.h"
#include "login_throttle.h"
#include "mailed_passwords.h"
#include "network.h"
#include "options.h"
#include "outbox.h"
#include "server_log.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <exception>
#include <iostream>
#include <memory>

namespace {

// Lets the descriptor limit follow --max-clients as far as the hard limit
// allows (the usual soft limit of 1024 is far below the default 10,000).
void RaiseDescriptorLimit(std::size_t maxClients) {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return;
    }
    const rlim_t wanted = static_cast<rlim_t>(maxClients) + 64;
    if (limit.rlim_cur < wanted) {
        limit.rlim_cur = std::min(wanted, limit.rlim_max);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

quord::PenaltyRules ThrottleRules(const quord::ServerOptions &options) {
    quord::PenaltyRules rules;
    rules.failures = options.loginFailures;
    rules.windowMs = options.loginWindowSeconds * 1000LL;
    rules.maxPenaltyMs = options.loginPenaltyMaxSeconds * 1000LL;
    rules.capacity = options.throttleTable;
    return rules;
}

int Serve(const quord::ServerOptions &options) {
    quord::ChatSettings settings;
    settings.registrationOpen = options.registrationOpen;
    settings.pingIntervalMs = options.pingIntervalSeconds * 1000;
    settings.hashCost = {options.hashPasses, options.hashMemoryKiB * 1024};
    settings.logLines.lines = options.logPerConnection;
    quord::PrepareDataFolder(options.dataDir);
    quord::AccountStore store(options.dataDir + "/" + quord::kDatabaseFile);
    quord::Outbox outbox(options.dataDir + "/" + quord::kOutboxFolder);
    if (!options.adminName.empty()) {
        quord::EnsureAdministrator(store, outbox, options.adminName, options.adminEmail,
                                   settings.hashCost);
    }
    RaiseDescriptorLimit(options.maxClients);
    quord::ConnectionLimits limits;
    limits.maxClients = options.maxClients;
    limits.maxPerAddress = options.maxPerAddress;
    limits.maxSessionsPerAddress = options.maxSessionsPerAddress;
    limits.logonDeadlineMs = options.logonDeadlineSeconds * 1000;
    // Three missed pings, the time a client has to read as well.
    limits.stallMs = quord::kMissedPingsToClose * settings.pingIntervalMs;
    limits.records = {static_cast<double>(options.rateBurst),
                      static_cast<double>(options.ratePerSecond)};
    quord::ConnectionLogRules logRules;
    logRules.connections = options.logPerAddress;
    logRules.capacity = options.throttleTable;
    quord::Network network(options.listenAddress, options.port, limits, logRules);
    const bool tls = !options.tlsCertFile.empty();
    if (tls) {
        network.UseTls(std::make_shared<const quord::ServerTlsContext>(options.tlsCertFile,
                                                                       options.tlsKeyFile),
                       options.tlsHandshakeSeconds);
    }
    const std::size_t threads =
        options.hashThreads != 0 ? options.hashThreads : quord::DefaultHashThreads();
    quord::HashPool hashing(threads, options.hashQueue);
    quord::LoginThrottle throttle(ThrottleRules(options));
    quord::ChatServer server(network, store, outbox, hashing, throttle, settings);
    network.WatchReadable(hashing.eventFd(), [&server] { server.FinishPasswordWork(); });
    quord::LogLine("listening on " + network.boundAddress() + ", data in " + options.dataDir +
                   (options.registrationOpen ? "" : ", registration closed") + ", " +
                   std::to_string(threads) + " hashing threads" +
                   (tls ? ", clients speak TLS" : ""));
    network.Run(server, quord::kMaxPingTickMs);
    quord::LogLine("stopped");
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    quord::ServerOptions options;
    switch (quord::ParseOptions(argc, argv, options, std::cout, std::cerr)) {
    case quord::OptionsOutcome::ExitSuccess:
        return 0;
    case quord::OptionsOutcome::ExitFailure:
        return 2;
    case quord::OptionsOutcome::Run:
        break;
    }
    // Whatever the server makes (the database and SQLite's files beside it,
    // mails) holds secrets: private to its account from the start.
    umask(S_IRWXG | S_IRWXO);
    try {
        return Serve(options);
    } catch (const std::exception &e) {
        quord::LogLine(std::string("quord: ") + e.what());
        return 1;
    }
}
