#include "proxy_process.h"

#include "scripted_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

namespace quord::testing {

namespace {

// The program's path on PATH, or in the system folders that PATH may
// leave out; empty when there is none.
std::string FindProgram(const std::string &name) {
    const char *path = std::getenv("PATH");
    std::stringstream folders(std::string(path != nullptr ? path : "") + ":/usr/sbin:/usr/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + name;
        if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
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
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string ProxyProcess::WriteHttpConfig(int targetPort, const std::string &user,
                                          const std::string &password) const {
    const std::string file = folder_ + "/tinyproxy.conf";
    std::ofstream config(file);
    config << "Port " << port_ << "\nListen 127.0.0.1\nTimeout 30\nMaxClients 16\n"
           << "Allow 127.0.0.1\nConnectPort " << targetPort << "\n";
    if (!user.empty()) {
        config << "BasicAuth " << user << " " << password << "\n";
    }
    return file;
}

bool ProxyProcess::Start(int targetPort, const std::string &user, const std::string &password) {
    Stop();
    if (program_.empty() || folder_.empty()) {
        return false;
    }
    port_ = quor::testing::UnusedLoopbackPort();
    std::vector<std::string> arguments{program_};
    if (kind_ == Kind::kSocks5) {
        arguments.insert(arguments.end(), {"-i", "127.0.0.1", "-p", std::to_string(port_)});
        if (!user.empty()) {
            arguments.insert(arguments.end(), {"-u", user, "-P", password});
        }
    } else {
        arguments.insert(arguments.end(),
                         {"-d", "-c", WriteHttpConfig(targetPort, user, password)});
    }
    const std::string logPath = folder_ + "/proxy.log";
    pid_ = fork();
    if (pid_ == 0) {
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const int null = ::open("/dev/null", O_RDWR);
        dup2(log, STDERR_FILENO);
        dup2(log, STDOUT_FILENO);
        dup2(null, STDIN_FILENO);
        close_range(3, ~0U, 0);
        std::vector<char *> argv;
        for (std::string &argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Listening()) {
            return true;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

bool ProxyProcess::Listening() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port_));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(fd);
    return connected;
}

void ProxyProcess::Stop() {
    if (pid_ <= 0) {
        return;
    }
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::string ProxyProcess::Log() const {
    std::ifstream file(folder_ + "/proxy.log");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace quord::testing
