// SPDX-License-Identifier: MIT
// Programs that tests run as child processes: started with their standard
// error appended to a log file and nothing else of the test's open, stopped
// with SIGTERM.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace quord::testing {

// Starts arguments[0] with the arguments; the child's pid.
pid_t StartLogged(std::vector<std::string> arguments, const std::string &logPath);
// SIGTERM and wait; the exit status, or -1 when it was killed or pid was
// not running. pid is -1 afterwards.
int StopChild(pid_t &pid);
// True once the child has ended (pid is then -1).
bool Ended(pid_t &pid);
std::string ReadFile(const std::string &path);

} // namespace quord::testing
