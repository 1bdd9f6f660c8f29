#include "options.h"

#include <getopt.h>

#include <cstdlib>
#include <optional>
#include <string_view>

namespace quord {

namespace {

constexpr const char *kUsage =
    R"(Usage: quord [OPTION]...
The reference chat server: accounts, private and offline texts, channels,
contacts and profiles over the 476-byte record protocol.

  --listen ADDR         address to listen on (default 127.0.0.1; 0.0.0.0 for all)
  --port N              TCP port (default 8317; 0 picks a free port, see the log)
  --data DIR            data folder holding quord.db and outbox/
                        (default $XDG_DATA_HOME/quord, else ~/.local/share/quord)
  --admin NAME:EMAIL    make sure NAME is an administrator; a new account gets a
                        random password, written as a mail into DIR/outbox/
  --ping-interval S     seconds between the server's pings to each client
                        (default 20, 1 to 3600)
  --no-registration     refuse the creation of new accounts
  --max-clients N       connections served at once; more are refused
                        (default 10000)
  --tls-cert FILE       with --tls-key: every client speaks TLS; FILE holds the
                        PEM certificate chain presented to clients
  --tls-key FILE        the PEM private key of that certificate
  --tls-handshake-timeout S
                        seconds a client has to finish its TLS handshake before
                        it is dropped (default 10, 1 to 3600)
  --help                show this help and exit

Mail is not sent: each mail is written as a text file into DIR/outbox/.
The log goes to stderr, one line per event, with UTC time stamps.
SIGINT or SIGTERM closes all clients and exits with status 0.
)";

enum OptionId {
    kListen = 1,
    kPort,
    kData,
    kAdmin,
    kPingInterval,
    kNoRegistration,
    kMaxClients,
    kTlsCert,
    kTlsKey,
    kTlsHandshakeTimeout,
    kHelp
};

std::optional<long> ParseNumber(std::string_view text, long min, long max) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string copy(text);
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(copy.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

bool ParseAdmin(std::string_view text, ServerOptions &options) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size()) {
        return false;
    }
    options.adminName = text.substr(0, colon);
    options.adminEmail = text.substr(colon + 1);
    return true;
}

} // namespace

std::string DefaultDataDir() {
    const char *xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && *xdg != '\0') {
        return std::string(xdg) + "/quord";
    }
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr && *home != '\0' ? home : ".") + "/.local/share/quord";
}

OptionsOutcome ParseOptions(int argc, char **argv, ServerOptions &options, std::ostream &out,
                            std::ostream &err) {
    static const option kLongOptions[] = {
        {"listen", required_argument, nullptr, kListen},
        {"port", required_argument, nullptr, kPort},
        {"data", required_argument, nullptr, kData},
        {"admin", required_argument, nullptr, kAdmin},
        {"ping-interval", required_argument, nullptr, kPingInterval},
        {"no-registration", no_argument, nullptr, kNoRegistration},
        {"max-clients", required_argument, nullptr, kMaxClients},
        {"tls-cert", required_argument, nullptr, kTlsCert},
        {"tls-key", required_argument, nullptr, kTlsKey},
        {"tls-handshake-timeout", required_argument, nullptr, kTlsHandshakeTimeout},
        {"help", no_argument, nullptr, kHelp},
        {nullptr, 0, nullptr, 0},
    };
    options.dataDir = DefaultDataDir();
    optind = 0; // restart scanning, so that parsing can run more than once
    opterr = 0;
    const auto fail = [&](const std::string &problem) {
        err << "quord: " << problem << "\nTry 'quord --help' for more information.\n";
        return OptionsOutcome::ExitFailure;
    };
    int id;
    while ((id = getopt_long(argc, argv, "", kLongOptions, nullptr)) != -1) {
        const std::string_view value = optarg != nullptr ? optarg : "";
        switch (id) {
        case kListen:
            options.listenAddress = value;
            break;
        case kPort:
            if (auto n = ParseNumber(value, 0, 65535)) {
                options.port = static_cast<int>(*n);
                break;
            }
            return fail("--port needs a number from 0 to 65535");
        case kData:
            if (value.empty()) {
                return fail("--data needs a folder");
            }
            options.dataDir = value;
            break;
        case kAdmin:
            if (!ParseAdmin(value, options)) {
                return fail("--admin needs NAME:EMAIL");
            }
            break;
        case kPingInterval:
            if (auto n = ParseNumber(value, 1, 3600)) {
                options.pingIntervalSeconds = static_cast<int>(*n);
                break;
            }
            return fail("--ping-interval needs a number of seconds from 1 to 3600");
        case kNoRegistration:
            options.registrationOpen = false;
            break;
        case kMaxClients:
            if (auto n = ParseNumber(value, 1, 1000000)) {
                options.maxClients = static_cast<std::size_t>(*n);
                break;
            }
            return fail("--max-clients needs a number from 1 to 1000000");
        case kTlsCert:
        case kTlsKey:
            if (value.empty()) {
                return fail(std::string(id == kTlsCert ? "--tls-cert" : "--tls-key") +
                            " needs a file");
            }
            (id == kTlsCert ? options.tlsCertFile : options.tlsKeyFile) = value;
            break;
        case kTlsHandshakeTimeout:
            if (auto n = ParseNumber(value, 1, 3600)) {
                options.tlsHandshakeSeconds = static_cast<int>(*n);
                break;
            }
            return fail("--tls-handshake-timeout needs a number of seconds from 1 to 3600");
        case kHelp:
            out << kUsage;
            return OptionsOutcome::ExitSuccess;
        default:
            return fail(std::string("unknown or incomplete option '") + argv[optind - 1] + "'");
        }
    }
    if (optind < argc) {
        return fail(std::string("unexpected argument '") + argv[optind] + "'");
    }
    if (options.tlsCertFile.empty() != options.tlsKeyFile.empty()) {
        return fail("--tls-cert and --tls-key go together");
    }
    return OptionsOutcome::Run;
}

} // namespace quord
