// Logging on to quord through real proxies: microsocks for SOCKS5 and
// tinyproxy for HTTP CONNECT, each with and without credentials, right and
// wrong ones, over plain records and over TLS.
#include "proxy_process.h"
#include "server_test.h"
#include "test_certificate.h"

namespace quord::testing {
namespace {

using Kind = ProxyProcess::Kind;

struct ProxyCase {
    const char *what;
    std::string proxyUser; // what the proxy asks for; empty: nothing
    std::string proxyPassword;
    const char *user; // what the library offers; NULL: nothing
    const char *password;
    int result;
};

class RealProxyTest : public ServerTest {
protected:
    void TearDown() override {
        EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, 0, nullptr, nullptr), 0);
        ServerTest::TearDown();
    }

    // Logs anna on through a proxy of the kind for each case; the server is
    // reached under host.
    void ExpectLogOns(Kind kind, const std::vector<ProxyCase> &cases,
                      const std::string &host = "127.0.0.1") {
        ProxyProcess proxy(kind);
        if (proxy.program().empty()) {
            GTEST_SKIP() << (kind == Kind::kSocks5 ? "microsocks" : "tinyproxy")
                         << " is not installed (scripts/bootstrap installs it)";
        }
        quor_setserver(host.c_str(), server.port());
        for (const ProxyCase &c : cases) {
            SCOPED_TRACE(c.what);
            ASSERT_TRUE(proxy.Start(server.port(), c.proxyUser, c.proxyPassword)) << proxy.Log();
            ASSERT_EQ(quor_setproxy(kind == Kind::kSocks5 ? QUOR_PROXY_SOCKS5 : QUOR_PROXY_HTTP,
                                    "127.0.0.1", proxy.port(), c.user, c.password),
                      0);
            TestClient anna;
            EXPECT_EQ(anna.Login("anna", "anna-pw"), c.result) << proxy.Log();
            if (c.result == 0) {
                EXPECT_TRUE(anna.WaitForMore(anna.welcomes, 0));
            }
        }
    }

    const std::vector<ProxyCase> credentialCases_{
        {"no credentials", "", "", nullptr, nullptr, 0},
        {"right credentials", "anna", "pr0xy", "anna", "pr0xy", 0},
        {"wrong password", "anna", "pr0xy", "anna", "guess", QUOR_ERR_PROXY_AUTH},
        {"credentials missing", "anna", "pr0xy", nullptr, nullptr, QUOR_ERR_PROXY_AUTH},
        {"offered to a proxy that wants none", "", "", "anna", "pr0xy", 0},
    };
};

TEST_F(RealProxyTest, LogsOnThroughASocks5Proxy) {
    ExpectLogOns(Kind::kSocks5, credentialCases_);
}

TEST_F(RealProxyTest, LogsOnThroughAnHttpProxy) {
    ExpectLogOns(Kind::kHttp, credentialCases_);
}

// The certificate names the server's host only, not the proxy's address:
// the check is made against the server through the tunnel.
class RealProxyTlsTest : public RealProxyTest {
protected:
    void SetUp() override {
        ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        RealProxyTest::SetUp();
    }
    void TearDown() override {
        RealProxyTest::TearDown();
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    }
    std::vector<std::string> ExtraArguments() const override {
        return {"--tls-cert", certificate.certFile(), "--tls-key", certificate.keyFile()};
    }
    quor::testing::TestCertificate certificate{{"localhost"}, {}};
    const std::vector<ProxyCase> tlsCases_{
        {"right credentials", "anna", "pr0xy", "anna", "pr0xy", 0},
        {"wrong password", "anna", "pr0xy", "anna", "guess", QUOR_ERR_PROXY_AUTH},
    };
};

TEST_F(RealProxyTlsTest, LogsOnOverTlsThroughASocks5Proxy) {
    ExpectLogOns(Kind::kSocks5, tlsCases_, "localhost");
}

TEST_F(RealProxyTlsTest, LogsOnOverTlsThroughAnHttpProxy) {
    ExpectLogOns(Kind::kHttp, tlsCases_, "localhost");
}

} // namespace
} // namespace quord::testing
