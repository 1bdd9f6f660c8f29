// SPDX-License-Identifier: MIT
// Logging on to quord through real proxies, microsocks for SOCKS5 and
// tinyproxy for HTTP CONNECT: with and without credentials, right and
// wrong ones, over plain records and over TLS.
#include "child_process.h"
#include "server_test.h"
#include "test_certificate.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace quord::testing {
namespace {

enum class Kind { kSocks5, kHttp };

// The proxy from the system's packages, on a free loopback port, in a
// folder of its own (tinyproxy takes its settings from a file only).
class ProxyProcess {
public:
    explicit ProxyProcess(Kind kind) : kind_(kind) {
        for (const char *folder : {"/usr/bin/", "/usr/sbin/"}) {
            const std::string path =
                folder + std::string(kind == Kind::kSocks5 ? "microsocks" : "tinyproxy");
            if (program_.empty() && ::access(path.c_str(), X_OK) == 0) {
                program_ = path;
            }
        }
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quor-proxy-XXXXXX").string();
        folder_ = mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~ProxyProcess() {
        StopChild(pid_);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string &program() const { return program_; }
    std::string Log() const { return ReadFile(folder_ + "/proxy.log"); }
    int port() const { return port_; }

    // Starts the proxy (again) for tunnels to targetPort, asking for the
    // user name and password unless user is empty; false when it did not
    // listen within a few seconds.
    bool Start(int targetPort, const std::string &user, const std::string &password) {
        StopChild(pid_);
        port_ = quor::testing::UnusedLoopbackPort();
        std::vector<std::string> arguments{program_, "-i", "127.0.0.1", "-p",
                                           std::to_string(port_)};
        if (kind_ == Kind::kSocks5 && !user.empty()) {
            arguments.insert(arguments.end(), {"-u", user, "-P", password});
        } else if (kind_ == Kind::kHttp) {
            std::ofstream config(folder_ + "/tinyproxy.conf");
            config << "Port " << port_ << "\nListen 127.0.0.1\nAllow 127.0.0.1\nConnectPort "
                   << targetPort << "\n"
                   << (user.empty() ? "" : "BasicAuth " + user + " " + password);
            arguments = {program_, "-d", "-c", folder_ + "/tinyproxy.conf"};
        }
        pid_ = StartLogged(arguments, folder_ + "/proxy.log");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline && !Ended(pid_)) {
            if (RawClient(port_).connected()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

private:
    Kind kind_;
    std::string program_;
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

struct ProxyCase {
    std::string proxyUser; // what the proxy asks for; empty: nothing
    const char *user;      // what the library offers; NULL: nothing
    const char *password;
    int result;
};

// The same cases for both kinds; a TLS server and a certificate that names
// only the server's host, not the proxy's address, when tls is set.
class RealProxyTest : public ServerTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        }
        ServerTest::SetUp();
        quor_setserver(GetParam() ? "localhost" : "127.0.0.1", server.port());
    }
    void TearDown() override {
        EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, 0, nullptr, nullptr), 0);
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
        ServerTest::TearDown();
    }
    std::vector<std::string> ExtraArguments() const override {
        if (!GetParam()) {
            return {};
        }
        return {"--tls-cert", certificate.certFile(), "--tls-key", certificate.keyFile()};
    }

    void ExpectLogOns(Kind kind) {
        ProxyProcess proxy(kind);
        if (proxy.program().empty()) {
            GTEST_SKIP() << (kind == Kind::kSocks5 ? "microsocks" : "tinyproxy")
                         << " is not installed (scripts/bootstrap installs it)";
        }
        const ProxyCase cases[] = {
            {"", nullptr, nullptr, 0},
            {"anna", "anna", "pr0xy", 0},
            {"anna", "anna", "guess", QUOR_ERR_PROXY_AUTH},
            {"anna", nullptr, nullptr, QUOR_ERR_PROXY_AUTH},
            {"", "anna", "pr0xy", 0}, // offered to a proxy that wants none
        };
        for (const ProxyCase &c : cases) {
            SCOPED_TRACE(c.proxyUser + "/" + (c.password ? c.password : "-"));
            ASSERT_TRUE(proxy.Start(server.port(), c.proxyUser, "pr0xy")) << proxy.Log();
            ASSERT_EQ(quor_setproxy(kind == Kind::kSocks5 ? QUOR_PROXY_SOCKS5 : QUOR_PROXY_HTTP,
                                    "127.0.0.1", proxy.port(), c.user, c.password),
                      0);
            TestClient anna;
            EXPECT_EQ(anna.Login("anna", "anna-pw"), c.result) << proxy.Log();
            EXPECT_TRUE(c.result != 0 || anna.WaitForMore(anna.welcomes, 0));
        }
    }

    quor::testing::TestCertificate certificate{{"localhost"}, {}};
};

TEST_P(RealProxyTest, LogsOnThroughASocks5Proxy) {
    ExpectLogOns(Kind::kSocks5);
}

TEST_P(RealProxyTest, LogsOnThroughAnHttpProxy) {
    ExpectLogOns(Kind::kHttp);
}

INSTANTIATE_TEST_SUITE_P(PlainAndTls, RealProxyTest, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Tls" : "Plain"; });

} // namespace
} // namespace quord::testing
