// SPDX-License-Identifier: MIT
// The TLS settings handed to the library: log-ons over TLS, a server the
// settings do not trust, and a CA file that cannot be read.
#include "SessionFixture.h"

#include "hbQuorErrors.h"
#include "hbQuorTls.h"
#include "test_certificate.h"

namespace hbquor::testing {
namespace {

class TlsSettingsTest : public SessionTest {
protected:
    void TearDown() override { EXPECT_EQ(ApplyTlsSettings({}), 0); }
    quor::testing::TestCertificate certificate;
};

TEST_F(TlsSettingsTest, LogsOnOverTlsTrustingTheCaFile) {
    ASSERT_EQ(ApplyTlsSettings({true, certificate.certFile()}), 0);
    server.UseTls(certificate);
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    EXPECT_TRUE(AwaitEvent("Connected alice"));
}

TEST_F(TlsSettingsTest, AnUntrustedServerFailsTheLoginWithItsText) {
    ASSERT_EQ(ApplyTlsSettings({true, ""}), 0);
    server.UseTls(certificate);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    EXPECT_EQ(server.Accept(), -1);
    EXPECT_TRUE(AwaitEvent("LoginFailed alice 41 server certificate not trusted"));
}

TEST_F(TlsSettingsTest, ACaFileThatCannotBeReadIsRefusedAndKeepsTheEarlierSettings) {
    EXPECT_EQ(ApplyTlsSettings({true, "/nonexistent/ca.pem"}), 43);
    EXPECT_EQ(ErrorText(43), "TLS could not be set up");
    // Still plain, and a CA file is not looked at while TLS is off.
    EXPECT_EQ(ApplyTlsSettings({false, "/nonexistent/ca.pem"}), 0);
    ASSERT_TRUE(LogIn("alice"));
}

} // namespace
} // namespace hbquor::testing
