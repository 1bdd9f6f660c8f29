// SPDX-License-Identifier: MIT
#include "options.h"

#include <getopt.h>

#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

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
                        (default 20, 1 to 3600); a client that answers none
                        of 3 pings in a row, or reads nothing for 3 intervals,
                        is closed
  --no-registration     refuse the creation of new accounts
  --max-clients N       connections served at once; more are refused
                        (default 10000)
  --max-per-address N   connections from one address at once that have not
                        logged on (an IPv6 client counts per /64); more are
                        closed (default 16)
  --max-sessions-per-address N
                        logged-on sessions from one address at once; a
                        further logon is refused (default 256)
  --logon-deadline S    seconds a new connection has to send its opening
                        request before it is closed (default 10)
  --log-per-address N   connections per address and minute whose lines are
                        logged in full before they log on; of further ones
                        only a count is logged, once a minute (default 20,
                        0 logs every line)
  --log-per-connection N
                        lines about one connection logged per minute; of
                        further ones only a count is logged, once a minute
                        and when it closes (default 20, 0 logs every line;
                        what password checks decide is always logged)
  --tls-cert FILE       with --tls-key: every client speaks TLS; FILE holds the
                        PEM certificate chain presented to clients
  --tls-key FILE        the PEM private key of that certificate (default with
                        --tls-cert under systemd: the credential quord-key.pem
                        in $CREDENTIALS_DIRECTORY)
  --tls-handshake-timeout S
                        seconds a client has to finish its TLS handshake before
                        it is dropped (default 10, 1 to 3600)

Records each client may send: beyond its budget a client is not read (the
kernel holds what it sends) until the budget has grown again.
  --rate-burst N        records at once (default 50)
  --rate-per-second N   records a second after that (default 20)

Passwords are checked and hashed (argon2id) on threads of their own:
  --hash-threads N      hashing threads (default: one per core, at most 2)
  --hash-queue N        password checks waiting for a thread; beyond that
                        logins and account requests are refused as busy
                        (default 64)
  --hash-passes N       passes of a new hash (default 2)
  --hash-memory KIB     memory of a new hash in KiB (default 19456, 8 at
                        least); hashes made at another cost are renewed at
                        the next successful login. Lower values make stored
                        passwords easier to crack: for tests and benchmarks.

Login throttling: every login whose password is checked counts against the
client's address and the account as it starts (a success takes it back);
one check runs at a time per address and per account, later logins wait
for it. An address the account logged on from in the last 30 days is held
back by its own count only, not the account's. Account creations and
password requests count against the address, wrong channel passwords
against the account and channel.
  --login-failures N    failures within the window after which the address,
                        account or account and channel waits 1 s before its
                        next attempt is checked, doubling with every further
                        failure (default 5)
  --login-window S      the window in seconds (default 900)
  --login-penalty-max S the longest penalty in seconds (default 900)
  --throttle-table N    addresses, accounts and accounts' channels
                        remembered each; the least recently seen make room
                        (default 10000)

  --help                show this help and exit

Mail is not sent: each mail is written as a text file into DIR/outbox/,
kept for 30 days. A password mailed on request works beside the old one,
which stays valid until the new one is used or for 24 hours. DIR and
everything quord keeps in it are private to the account that runs it
(modes 0700 and 0600, tightened at start if wider).
The log goes to stderr, one line per event, with UTC time stamps; strings
from clients appear escaped (\xNN, \uNNNN) and cut after 256 bytes. A
connection that sends anything before its opening request is closed.
SIGINT or SIGTERM closes all clients and exits with status 0.
)";

enum OptionId {
    kListen = 1,
    kData,
    kAdmin,
    kNoRegistration,
    kTlsCert,
    kTlsKey,
    kHelp,
    kFirstNumber // numeric options follow, as listed in kNumberOptions
};

// An option that takes a whole number within limits.
struct NumberOption {
    const char *name;
    long min;
    long max;
    const char *unit; // for the error message
    void (*store)(ServerOptions &, long);
};

constexpr NumberOption kNumberOptions[] = {
    {"port", 0, 65535, "a number", [](ServerOptions &o, long n) { o.port = int(n); }},
    {"ping-interval", 1, 3600, "a number of seconds",
     [](ServerOptions &o, long n) { o.pingIntervalSeconds = int(n); }},
    {"max-clients", 1, 1000000, "a number",
     [](ServerOptions &o, long n) { o.maxClients = std::size_t(n); }},
    {"max-per-address", 1, 1000000, "a number",
     [](ServerOptions &o, long n) { o.maxPerAddress = std::size_t(n); }},
    {"max-sessions-per-address", 1, 1000000, "a number",
     [](ServerOptions &o, long n) { o.maxSessionsPerAddress = std::size_t(n); }},
    {"rate-burst", 1, 1000000, "a number", [](ServerOptions &o, long n) { o.rateBurst = int(n); }},
    {"rate-per-second", 1, 1000000, "a number",
     [](ServerOptions &o, long n) { o.ratePerSecond = int(n); }},
    {"logon-deadline", 1, 3600, "a number of seconds",
     [](ServerOptions &o, long n) { o.logonDeadlineSeconds = int(n); }},
    {"log-per-address", 0, 1000000, "a number",
     [](ServerOptions &o, long n) { o.logPerAddress = std::size_t(n); }},
    {"log-per-connection", 0, 1000000, "a number",
     [](ServerOptions &o, long n) { o.logPerConnection = std::size_t(n); }},
    {"hash-threads", 1, 256, "a number",
     [](ServerOptions &o, long n) { o.hashThreads = std::size_t(n); }},
    {"hash-queue", 1, 100000, "a number",
     [](ServerOptions &o, long n) { o.hashQueue = std::size_t(n); }},
    {"hash-passes", 1, 100, "a number",
     [](ServerOptions &o, long n) { o.hashPasses = static_cast<unsigned long long>(n); }},
    {"hash-memory", 8, 4 * 1024 * 1024, "a number of KiB",
     [](ServerOptions &o, long n) { o.hashMemoryKiB = std::size_t(n); }},
    {"login-failures", 1, 100, "a number",
     [](ServerOptions &o, long n) { o.loginFailures = int(n); }},
    {"login-window", 1, 7 * 24 * 3600, "a number of seconds",
     [](ServerOptions &o, long n) { o.loginWindowSeconds = int(n); }},
    {"login-penalty-max", 1, 7 * 24 * 3600, "a number of seconds",
     [](ServerOptions &o, long n) { o.loginPenaltyMaxSeconds = int(n); }},
    {"throttle-table", 1, 10000000, "a number",
     [](ServerOptions &o, long n) { o.throttleTable = std::size_t(n); }},
    {"tls-handshake-timeout", 1, 3600, "a number of seconds",
     [](ServerOptions &o, long n) { o.tlsHandshakeSeconds = int(n); }},
};
constexpr int kNumberOptionCount = static_cast<int>(std::size(kNumberOptions));

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
    std::vector<option> longOptions = {
        {"listen", required_argument, nullptr, kListen},
        {"data", required_argument, nullptr, kData},
        {"admin", required_argument, nullptr, kAdmin},
        {"no-registration", no_argument, nullptr, kNoRegistration},
        {"tls-cert", required_argument, nullptr, kTlsCert},
        {"tls-key", required_argument, nullptr, kTlsKey},
        {"help", no_argument, nullptr, kHelp},
    };
    for (int i = 0; i < kNumberOptionCount; ++i) {
        longOptions.push_back(
            {kNumberOptions[i].name, required_argument, nullptr, kFirstNumber + i});
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});
    options.dataDir = DefaultDataDir();
    optind = 0; // restart scanning, so that parsing can run more than once
    opterr = 0;
    const auto fail = [&](const std::string &problem) {
        err << "quord: " << problem << "\nTry 'quord --help' for more information.\n";
        return OptionsOutcome::ExitFailure;
    };
    int id;
    while ((id = getopt_long(argc, argv, "", longOptions.data(), nullptr)) != -1) {
        const std::string_view value = optarg != nullptr ? optarg : "";
        if (id >= kFirstNumber && id < kFirstNumber + kNumberOptionCount) {
            const NumberOption &number = kNumberOptions[id - kFirstNumber];
            const std::optional<long> n = ParseNumber(value, number.min, number.max);
            if (!n) {
                return fail(std::string("--") + number.name + " needs " + number.unit + " from " +
                            std::to_string(number.min) + " to " + std::to_string(number.max));
            }
            number.store(options, *n);
            continue;
        }
        switch (id) {
        case kListen:
            options.listenAddress = value;
            break;
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
        case kNoRegistration:
            options.registrationOpen = false;
            break;
        case kTlsCert:
        case kTlsKey:
            if (value.empty()) {
                return fail(std::string(id == kTlsCert ? "--tls-cert" : "--tls-key") +
                            " needs a file");
            }
            (id == kTlsCert ? options.tlsCertFile : options.tlsKeyFile) = value;
            break;
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
    // systemd's LoadCredential= hands the service a key that stays private
    // to root on disk.
    const char *credentials = std::getenv("CREDENTIALS_DIRECTORY");
    if (!options.tlsCertFile.empty() && options.tlsKeyFile.empty() && credentials != nullptr &&
        *credentials != '\0') {
        options.tlsKeyFile = std::string(credentials) + "/" + kTlsKeyCredential;
    }
    if (options.tlsCertFile.empty() != options.tlsKeyFile.empty()) {
        return fail("--tls-cert and --tls-key go together");
    }
    return OptionsOutcome::Run;
}

} // namespace quord
