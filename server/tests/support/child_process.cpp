// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace quord::testing {

pid_t StartLogged(std::vector<std::string> arguments, const std::string &logPath) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        const int null = ::open("/dev/null", O_RDWR);
        dup2(log, STDERR_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDIN_FILENO);
        // Only the standard descriptors reach the child, so that a test
        // can tell which ones it holds.
        close_range(3, ~0U, 0);
        std::vector<char *> argv;
        for (std::string &argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

int StopChild(pid_t &pid) {
    if (pid <= 0) {
        return -1;
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Ended(pid_t &pid) {
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
    }
    return pid <= 0;
}

std::string ReadFile(const std::string &path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace quord::testing
