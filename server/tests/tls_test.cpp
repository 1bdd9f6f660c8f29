// SPDX-License-Identifier: MIT
// quord with --tls-cert and --tls-key: the whole chat over TLS, clients that
// do not finish their handshake, and certificates that cannot be used.
#include "server_test.h"
#include "test_certificate.h"

namespace quord::testing {
namespace {

class TlsServerTest : public ServerTest {
protected:
    void SetUp() override {
        ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        ServerTest::SetUp();
    }
    void TearDown() override {
        ServerTest::TearDown();
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    }
    std::vector<std::string> ExtraArguments() const override {
        return {"--tls-cert",          certificate.certFile(),    "--tls-key",
                certificate.keyFile(), "--tls-handshake-timeout", "1"};
    }
    quor::testing::TestCertificate certificate;
};

TEST_F(TlsServerTest, UsersLogOnTalkAndMeetInAChannelOverTls) {
    auto anna = Anna();
    auto bob = Bob();
    ASSERT_EQ(quor_sendtext(anna->handle(), "bob", "only for you"), 0);
    ASSERT_TRUE(bob->WaitForMore(bob->texts, 0));
    EXPECT_EQ(bob->texts[0], (NamePair{"anna", "only for you"}));

    quor_joinchannel(anna->handle(), "#tls", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->joins, 0));
    quor_joinchannel(bob->handle(), "#tls", 0, "");
    ASSERT_TRUE(anna->WaitForMore(anna->joins, 1));
    EXPECT_EQ(anna->joins[1], (NamePair{"#tls", "bob"}));
    EXPECT_TRUE(Logged("encrypted with TLSv1.3"));
    EXPECT_TRUE(Logged("clients speak TLS"));
}

TEST_F(TlsServerTest, AClientThatSendsNothingIsDroppedAfterTheHandshakeTimeout) {
    auto anna = Anna();
    RawClient silent(server.port());
    ASSERT_TRUE(silent.connected());
    EXPECT_TRUE(silent.WaitClosed(3000));
    EXPECT_TRUE(Logged("TLS handshake not finished within 1 s"));
    // A client that finished its handshake is not timed out.
    EXPECT_FALSE(anna->disconnected);
    ASSERT_EQ(quor_sendtext(anna->handle(), "anna", "still here"), 0);
    EXPECT_TRUE(anna->WaitForMore(anna->texts, 0));
}

TEST_F(TlsServerTest, FailedHandshakesAreLoggedWithTheirReason) {
    RawClient plain(server.port());
    EXPECT_EQ(plain.Login("anna", "anna-pw"), 0);
    EXPECT_TRUE(plain.WaitClosed());

    ASSERT_EQ(quor_settls(QUOR_TLS_ON, nullptr), 0); // does not trust the server
    TestClient doubting;
    EXPECT_EQ(doubting.Login("anna", "anna-pw"), QUOR_ERR_TLS_UNTRUSTED);

    ASSERT_TRUE(PumpUntil([&] { return Logged("alert unknown ca"); }, 3000)) << server.Log();
    EXPECT_TRUE(Logged("TLS handshake failed: wrong version number")) << server.Log();
}

TEST_F(TlsServerTest, CertificatesThatCannotBeUsedStopTheStart) {
    quor::testing::TestCertificate other;
    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--tls-cert", "/nonexistent.pem", "--tls-key", certificate.keyFile()},
         "cannot load the TLS certificate /nonexistent.pem"},
        {{"--tls-cert", certificate.certFile(), "--tls-key", other.keyFile()},
         "cannot load the TLS key " + other.keyFile() + ": key values mismatch"},
    };
    for (const auto &[arguments, problem] : bad) {
        QuordProcess second;
        EXPECT_FALSE(second.Start(arguments));
        EXPECT_NE(second.Log().find(problem), std::string::npos) << second.Log();
    }
}

// A small budget, so that a burst of texts is read ahead of it.
class TlsBudgetTest : public TlsServerTest {
    std::vector<std::string> ExtraArguments() const override {
        std::vector<std::string> arguments = TlsServerTest::ExtraArguments();
        arguments.insert(arguments.end(), {"--rate-burst", "10", "--rate-per-second", "200"});
        return arguments;
    }
};

TEST_F(TlsBudgetTest, TextsDecryptedAheadOfTheBudgetAreServedInOrder) {
    auto anna = Anna();
    auto bob = Bob();
    constexpr int kTexts = 100;
    for (int i = 0; i < kTexts; ++i) {
        ASSERT_EQ(quor_sendtext(anna->handle(), "bob", std::to_string(i).c_str()), 0);
    }
    ASSERT_TRUE(PumpUntil([&] { return bob->texts.size() >= kTexts; }, 5000));
    for (int i = 0; i < kTexts; ++i) {
        EXPECT_EQ(bob->texts[i].second, std::to_string(i));
    }
}

} // namespace
} // namespace quord::testing
