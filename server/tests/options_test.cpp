// SPDX-License-Identifier: MIT
#include "options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace quord {
namespace {

OptionsOutcome Parse(std::vector<std::string> arguments, ServerOptions &options,
                     std::string *error = nullptr) {
    arguments.insert(arguments.begin(), "quord");
    std::vector<char *> argv;
    for (std::string &a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    std::ostringstream out, err;
    const OptionsOutcome outcome =
        ParseOptions(static_cast<int>(arguments.size()), argv.data(), options, out, err);
    if (error != nullptr) {
        *error = err.str();
    }
    return outcome;
}

TEST(OptionsTest, Defaults) {
    ServerOptions options;
    ASSERT_EQ(Parse({}, options), OptionsOutcome::Run);
    EXPECT_EQ(options.listenAddress, "127.0.0.1");
    EXPECT_EQ(options.port, 8317);
    EXPECT_EQ(options.pingIntervalSeconds, 20);
    EXPECT_TRUE(options.registrationOpen);
    EXPECT_EQ(options.maxClients, 10000u);
    EXPECT_EQ(options.dataDir, DefaultDataDir());
    EXPECT_EQ(options.maxPerAddress, 16u);
    EXPECT_EQ(options.logonDeadlineSeconds, 10);
    EXPECT_EQ(options.logPerAddress, 20u);
    EXPECT_EQ(options.logPerConnection, 20u);
    EXPECT_EQ(options.hashThreads, 0u);
    EXPECT_EQ(options.hashPasses, 2u);
    EXPECT_EQ(options.hashMemoryKiB, 19456u);
    EXPECT_EQ(options.loginFailures, 5);
    EXPECT_EQ(options.loginWindowSeconds, 900);
    EXPECT_EQ(options.loginPenaltyMaxSeconds, 900);
}

TEST(OptionsTest, EveryOption) {
    ServerOptions options;
    ASSERT_EQ(Parse({"--listen",
                     "0.0.0.0",
                     "--port",
                     "0",
                     "--data",
                     "/tmp/q",
                     "--admin",
                     "boss:boss@example.org",
                     "--ping-interval",
                     "5",
                     "--no-registration",
                     "--max-clients",
                     "3",
                     "--max-per-address",
                     "4",
                     "--logon-deadline",
                     "2",
                     "--log-per-address",
                     "0",
                     "--log-per-connection",
                     "5",
                     "--hash-threads",
                     "3",
                     "--hash-queue",
                     "7",
                     "--hash-passes",
                     "3",
                     "--hash-memory",
                     "8",
                     "--login-failures",
                     "9",
                     "--login-window",
                     "60",
                     "--login-penalty-max",
                     "120",
                     "--throttle-table",
                     "50"},
                    options),
              OptionsOutcome::Run);
    EXPECT_EQ(options.listenAddress, "0.0.0.0");
    EXPECT_EQ(options.port, 0);
    EXPECT_EQ(options.dataDir, "/tmp/q");
    EXPECT_EQ(options.adminName, "boss");
    EXPECT_EQ(options.adminEmail, "boss@example.org");
    EXPECT_EQ(options.pingIntervalSeconds, 5);
    EXPECT_FALSE(options.registrationOpen);
    EXPECT_EQ(options.maxClients, 3u);
    EXPECT_EQ(options.maxPerAddress, 4u);
    EXPECT_EQ(options.logonDeadlineSeconds, 2);
    EXPECT_EQ(options.logPerAddress, 0u);
    EXPECT_EQ(options.logPerConnection, 5u);
    EXPECT_EQ(options.hashThreads, 3u);
    EXPECT_EQ(options.hashQueue, 7u);
    EXPECT_EQ(options.hashPasses, 3u);
    EXPECT_EQ(options.hashMemoryKiB, 8u);
    EXPECT_EQ(options.loginFailures, 9);
    EXPECT_EQ(options.loginWindowSeconds, 60);
    EXPECT_EQ(options.loginPenaltyMaxSeconds, 120);
    EXPECT_EQ(options.throttleTable, 50u);
}

TEST(OptionsTest, BadValuesFailWithAHint) {
    for (const std::vector<std::string> &bad :
         std::vector<std::vector<std::string>>{{"--port", "65536"},
                                               {"--port", "12x"},
                                               {"--admin", "boss"},
                                               {"--admin", ":x@example.org"},
                                               {"--ping-interval", "0"},
                                               {"--max-clients", "-1"},
                                               {"--hash-memory", "7"},
                                               {"--login-failures", "101"},
                                               {"--logon-deadline", "0"},
                                               {"--log-per-address", "-1"},
                                               {"--log-per-connection", "x"},
                                               {"--bogus"},
                                               {"stray"},
                                               {"--port"}}) {
        ServerOptions options;
        std::string error;
        EXPECT_EQ(Parse(bad, options, &error), OptionsOutcome::ExitFailure) << bad[0];
        EXPECT_NE(error.find("--help"), std::string::npos) << bad[0];
    }
}

TEST(OptionsTest, HelpDocumentsEachOption) {
    std::vector<std::string> arguments = {"quord", "--help"};
    char *argv[] = {arguments[0].data(), arguments[1].data(), nullptr};
    ServerOptions options;
    std::ostringstream out, err;
    EXPECT_EQ(ParseOptions(2, argv, options, out, err), OptionsOutcome::ExitSuccess);
    for (const char *option :
         {"--listen", "--port", "--data", "--admin", "--ping-interval", "--no-registration",
          "--max-clients", "--max-per-address", "--logon-deadline", "--log-per-address",
          "--log-per-connection", "--hash-threads", "--hash-queue", "--hash-passes",
          "--hash-memory", "--login-failures", "--login-window", "--login-penalty-max",
          "--throttle-table"}) {
        EXPECT_NE(out.str().find(option), std::string::npos) << option;
    }
}

TEST(OptionsTest, DataFolderFollowsXdgDataHome) {
    const char *saved = std::getenv("XDG_DATA_HOME");
    const std::string restore = saved != nullptr ? saved : "";
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(DefaultDataDir(), "/srv/data/quord");
    unsetenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    EXPECT_EQ(DefaultDataDir(), std::string(home != nullptr ? home : ".") + "/.local/share/quord");
    if (saved != nullptr) {
        setenv("XDG_DATA_HOME", restore.c_str(), 1);
    }
}

} // namespace
} // namespace quord
