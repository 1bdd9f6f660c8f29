// SPDX-License-Identifier: MIT
// The TLS options of quord and the handshake deadlines they set.
#include "connection_deadlines.h"
#include "options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace quord {
namespace {

OptionsOutcome Parse(std::vector<std::string> arguments, ServerOptions &options) {
    arguments.insert(arguments.begin(), "quord");
    std::vector<char *> argv;
    for (std::string &a : arguments) {
        argv.push_back(a.data());
    }
    std::ostringstream out, err;
    return ParseOptions(static_cast<int>(arguments.size()), argv.data(), options, out, err);
}

TEST(TlsOptionsTest, CertificateAndKeyComeTogether) {
    ServerOptions options;
    ASSERT_EQ(Parse({"--tls-cert", "c.pem", "--tls-key", "k.pem", "--tls-handshake-timeout", "3"},
                    options),
              OptionsOutcome::Run);
    EXPECT_EQ(options.tlsCertFile, "c.pem");
    EXPECT_EQ(options.tlsKeyFile, "k.pem");
    EXPECT_EQ(options.tlsHandshakeSeconds, 3);
    ServerOptions defaults;
    ASSERT_EQ(Parse({}, defaults), OptionsOutcome::Run);
    EXPECT_TRUE(defaults.tlsCertFile.empty());
    EXPECT_EQ(defaults.tlsHandshakeSeconds, 10);

    for (const std::vector<std::string> &bad :
         std::vector<std::vector<std::string>>{{"--tls-cert", "c.pem"},
                                               {"--tls-key", "k.pem"},
                                               {"--tls-cert", "", "--tls-key", "k.pem"},
                                               {"--tls-handshake-timeout", "0"},
                                               {"--tls-handshake-timeout", "3601"}}) {
        ServerOptions options;
        EXPECT_EQ(Parse(bad, options), OptionsOutcome::ExitFailure) << bad[0] << " " << bad[1];
    }
    // Under systemd the key may come as a credential.
    setenv("CREDENTIALS_DIRECTORY", "/run/credentials/quord.service", 1);
    ServerOptions credential;
    ASSERT_EQ(Parse({"--tls-cert", "c.pem"}, credential), OptionsOutcome::Run);
    EXPECT_EQ(credential.tlsKeyFile, "/run/credentials/quord.service/quord-key.pem");
    unsetenv("CREDENTIALS_DIRECTORY");
}

TEST(ConnectionDeadlinesTest, DeadlinesPassInTheOrderClientsCame) {
    using namespace std::chrono_literals;
    ConnectionDeadlines deadlines(10s);
    const auto t0 = ConnectionDeadlines::Clock::time_point{} + 100s;
    EXPECT_EQ(deadlines.MillisecondsToNext(t0), -1);
    deadlines.Start(17, t0);
    deadlines.Start(18, t0 + 2s);
    EXPECT_EQ(deadlines.MillisecondsToNext(t0 + 1s), 9000);
    EXPECT_EQ(deadlines.MillisecondsToNext(t0 + 9999999us), 1); // rounded up
    EXPECT_TRUE(deadlines.TakeOverdue(t0 + 9999ms).empty());
    EXPECT_EQ(deadlines.TakeOverdue(t0 + 10s), std::vector<ConnectionId>{17});
    EXPECT_EQ(deadlines.MillisecondsToNext(t0 + 13s), 0);
    EXPECT_EQ(deadlines.TakeOverdue(t0 + 13s), std::vector<ConnectionId>{18});
    EXPECT_EQ(deadlines.MillisecondsToNext(t0 + 13s), -1);
}

} // namespace
} // namespace quord
