// A real proxy server from the system's packages, run as a child process
// for a test on a free 127.0.0.1 port: microsocks for SOCKS5, tinyproxy for
// HTTP CONNECT, with or without a user name and password.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace quord::testing {

class ProxyProcess {
public:
    enum class Kind { kSocks5, kHttp };

    explicit ProxyProcess(Kind kind);
    // Stops the proxy if it runs and removes its folder.
    ~ProxyProcess();
    ProxyProcess(const ProxyProcess &) = delete;
    ProxyProcess &operator=(const ProxyProcess &) = delete;

    // The proxy's program; empty when it is not installed.
    const std::string &program() const { return program_; }
    // Starts the proxy (again), letting it open tunnels to targetPort and
    // asking for the user name and password unless user is empty; false
    // when it did not listen within a few seconds.
    bool Start(int targetPort, const std::string &user, const std::string &password);

    int port() const { return port_; }
    // What the proxy wrote to its standard error.
    std::string Log() const;

private:
    // The arguments for the program; tinyproxy takes its settings from a
    // file only, written here.
    std::vector<std::string> Arguments(int targetPort, const std::string &user,
                                       const std::string &password) const;

    Kind kind_;
    std::string program_;
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

} // namespace quord::testing
