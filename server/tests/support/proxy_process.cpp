#include "proxy_process.h"

#include "child_process.h"
#include "raw_client.h"
#include "scripted_server.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace quord::testing {

namespace {

// The program's path on PATH or in the system folders; empty if none.
std::string FindProgram(const std::string &name) {
    const char *path = std::getenv("PATH");
    std::stringstream folders(std::string(path != nullptr ? path : "") + ":/usr/sbin:/usr/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0) {
            return folder + "/" + name;
        }
    }
    return {};
}

} // namespace

ProxyProcess::ProxyProcess(Kind kind)
    : kind_(kind), program_(FindProgram(kind == Kind::kSocks5 ? "microsocks" : "tinyproxy")) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quor-proxy-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        folder_ = pattern;
    }
}

ProxyProcess::~ProxyProcess() {
    StopChild(pid_);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::vector<std::string> ProxyProcess::Arguments(int targetPort, const std::string &user,
                                                 const std::string &password) const {
    if (kind_ == Kind::kSocks5) {
        std::vector<std::string> arguments{program_, "-i", "127.0.0.1", "-p",
                                           std::to_string(port_)};
        if (!user.empty()) {
            arguments.insert(arguments.end(), {"-u", user, "-P", password});
        }
        return arguments;
    }
    const std::string file = folder_ + "/tinyproxy.conf";
    std::ofstream config(file);
    config << "Port " << port_ << "\nListen 127.0.0.1\nTimeout 30\nAllow 127.0.0.1\n"
           << "ConnectPort " << targetPort << "\n";
    if (!user.empty()) {
        config << "BasicAuth " << user << " " << password << "\n";
    }
    return {program_, "-d", "-c", file};
}

bool ProxyProcess::Start(int targetPort, const std::string &user, const std::string &password) {
    StopChild(pid_);
    if (program_.empty() || folder_.empty()) {
        return false;
    }
    port_ = quor::testing::UnusedLoopbackPort();
    pid_ = StartLogged(Arguments(targetPort, user, password), folder_ + "/proxy.log");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline && !Ended(pid_)) {
        if (RawClient(port_).connected()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string ProxyProcess::Log() const {
    return ReadFile(folder_ + "/proxy.log");
}

} // namespace quord::testing
