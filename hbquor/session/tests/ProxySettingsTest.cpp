// The proxy settings handed to the library: a proxy that rejects the
// credentials reported with its text, and settings the library refuses.
#include "SessionFixture.h"

#include "hbQuorErrors.h"
#include "hbQuorProxy.h"

namespace hbquor::testing {
namespace {

using namespace std::string_literals;

class ProxySettingsTest : public SessionTest {
protected:
    void TearDown() override { EXPECT_EQ(ApplyProxySettings({}), 0); }
};

// The scripted server plays a SOCKS5 proxy that asks for credentials.
TEST_F(ProxySettingsTest, CredentialsTheProxyRejectsFailTheLoginWithTheirText) {
    ASSERT_EQ(
        ApplyProxySettings({TQuorProxyType::Socks5, "127.0.0.1", server.port(), "anna", "pw"}), 0);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    ASSERT_GE(server.AcceptTcp(), 0);
    ASSERT_EQ(server.ReadBytes(4), "\x05\x02\x00\x02"s);
    server.SendRaw("\x05\x02", 2);
    ASSERT_EQ(server.ReadBytes(9), "\x01\x04"s + "anna\x02" + "pw");
    server.SendRaw("\x01\x01", 2);
    EXPECT_TRUE(AwaitEvent("LoginFailed alice 46 proxy authentication failed"));
}

TEST_F(ProxySettingsTest, RefusedSettingsKeepTheEarlierProxy) {
    ASSERT_EQ(ApplyProxySettings({TQuorProxyType::Socks5, "127.0.0.1", server.port(), "", "pw"}),
              0);
    const TQuorProxySettings bad[] = {
        {TQuorProxyType::Http, "", 3128, "", ""},
        {TQuorProxyType::Http, "proxy", 0, "", ""},
        {TQuorProxyType::Socks5, "proxy", 1080, std::string(256, 'u'), ""},
        {static_cast<TQuorProxyType>(7), "proxy", 1080, "", ""},
    };
    for (const TQuorProxySettings &settings : bad)
        EXPECT_EQ(ApplyProxySettings(settings), 48) << settings.Host << settings.Port;
    EXPECT_EQ(ErrorText(48), "proxy setting invalid");
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    ASSERT_GE(server.AcceptTcp(), 0);
    EXPECT_EQ(server.ReadBytes(3), "\x05\x01\x00"s); // an empty user: no credentials offered
}

} // namespace
} // namespace hbquor::testing
