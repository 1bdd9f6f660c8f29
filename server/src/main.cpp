// quord: the reference chat server. Parses the options, opens the data
// folder and serves until SIGINT or SIGTERM.
#include "account_store.h"
#include "chat_server.h"
#include "mailed_passwords.h"
#include "network.h"
#include "options.h"
#include "outbox.h"
#include "server_log.h"

#include <sys/resource.h>

#include <exception>
#include <filesystem>
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

int Serve(const quord::ServerOptions &options) {
    std::filesystem::create_directories(options.dataDir);
    quord::AccountStore store(options.dataDir + "/quord.db");
    quord::Outbox outbox(options.dataDir + "/outbox");
    if (!options.adminName.empty()) {
        quord::EnsureAdministrator(store, outbox, options.adminName, options.adminEmail);
    }
    RaiseDescriptorLimit(options.maxClients);
    quord::Network network(options.listenAddress, options.port, options.maxClients);
    const bool tls = !options.tlsCertFile.empty();
    if (tls) {
        network.UseTls(std::make_shared<const quord::ServerTlsContext>(options.tlsCertFile,
                                                                       options.tlsKeyFile),
                       options.tlsHandshakeSeconds);
    }
    quord::ChatSettings settings;
    settings.registrationOpen = options.registrationOpen;
    quord::ChatServer server(network, store, outbox, settings);
    quord::LogLine("listening on " + network.boundAddress() + ", data in " + options.dataDir +
                   (options.registrationOpen ? "" : ", registration closed") +
                   (tls ? ", clients speak TLS" : ""));
    network.Run(server, options.pingIntervalSeconds);
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
    try {
        return Serve(options);
    } catch (const std::exception &e) {
        quord::LogLine(std::string("quord: ") + e.what());
        return 1;
    }
}
