// SPDX-License-Identifier: MIT
// The proxy settings handed to the library: an empty user offers no
// credentials, and settings the library refuses keep the earlier proxy.
#include "SessionFixture.h"

#include "hbQuorProxy.h"

namespace hbquor::testing {
namespace {

class ProxySettingsTest : public SessionTest {
protected:
    void TearDown() override { EXPECT_EQ(ApplyProxySettings({}), 0); }
};

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
        EXPECT_EQ(ApplyProxySettings(settings), QUOR_ERR_PROXY_SETTING) << settings.Host;
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    ASSERT_GE(server.AcceptTcp(), 0);
    EXPECT_EQ(server.ReadBytes(3), std::string("\x05\x01\x00", 3)); // no credentials offered
}

} // namespace
} // namespace hbquor::testing
