// SPDX-License-Identifier: MIT
// The binary's exit status for help, bad options and an address in use.
#include "server_test.h"

#include <sys/wait.h>

#include <cstdlib>

namespace quord::testing {
namespace {

int ExitStatus(const std::string &arguments) {
    const std::string command = std::string(QUORD_PATH) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using StartupTest = ServerTest;

TEST_F(StartupTest, HelpAndBadOptions) {
    EXPECT_EQ(ExitStatus("--help"), 0);
    EXPECT_EQ(ExitStatus("--bogus"), 2);
    EXPECT_EQ(ExitStatus("--port 70000"), 2);
}

TEST_F(StartupTest, PortInUseFailsWithStatusOne) {
    EXPECT_EQ(ExitStatus("--listen 127.0.0.1 --port " + std::to_string(server.port()) + " --data " +
                         server.dataDir() + "/second"),
              1);
}

TEST_F(StartupTest, UnusableAdminNameFailsWithStatusOne) {
    EXPECT_EQ(
        ExitStatus("--port 0 --data " + server.dataDir() + "/third --admin '$x:x@example.org'"), 1);
    EXPECT_EQ(ExitStatus("--port 0 --data " + server.dataDir() + "/fourth --admin 'x:no-address'"),
              1);
}

} // namespace
} // namespace quord::testing
