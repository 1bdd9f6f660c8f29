// The proxy settings handed to the library: a log-on through a SOCKS5
// proxy (the scripted server plays it), a proxy that rejects the
// credentials, and settings the library refuses.
#include "SessionFixture.h"

#include "hbQuorErrors.h"
#include "hbQuorProxy.h"

namespace hbquor::testing {
namespace {

using namespace std::string_literals;

class ProxySettingsTest : public SessionTest {
protected:
    void TearDown() override { EXPECT_EQ(ApplyProxySettings({}), 0); }

    TQuorProxySettings Socks(std::string user = "", std::string password = "") const {
        return {TQuorProxyType::Socks5, "127.0.0.1", server.port(), user, password};
    }

    // Plays the proxy up to its answer to the credentials.
    void AnswerCredentials(const std::string &expected, const std::string &answer) {
        ASSERT_GE(server.AcceptTcp(), 0);
        ASSERT_EQ(server.ReadBytes(4), "\x05\x02\x00\x02"s);
        server.SendRaw("\x05\x02", 2);
        ASSERT_EQ(server.ReadBytes(expected.size()), expected);
        server.SendRaw(answer.data(), answer.size());
    }
};

TEST_F(ProxySettingsTest, LogsOnThroughTheProxyWithItsCredentials) {
    ASSERT_EQ(ApplyProxySettings(Socks("anna", "pr0xy")), 0);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    AnswerCredentials("\x01\x04"s + "anna\x05"s + "pr0xy", "\x01\x00"s);
    // The server's address, as the library was given it, and its port.
    const std::string request =
        "\x05\x01\x00\x01\x7f\x00\x00\x01"s + char(server.port() >> 8) + char(server.port() & 0xFF);
    ASSERT_EQ(server.ReadBytes(request.size()), request);
    const std::string granted = "\x05\x00\x00\x01\x7f\x00\x00\x01\x04\xd2"s;
    server.SendRaw(granted.data(), granted.size());
    ASSERT_TRUE(NextRecord());
    server.Send(quor::testing::MakeRecord(kLoginAccepted, "$server", "alice"));
    EXPECT_TRUE(AwaitEvent("Connected alice"));
}

TEST_F(ProxySettingsTest, CredentialsTheProxyRejectsFailTheLoginWithTheirText) {
    ASSERT_EQ(ApplyProxySettings(Socks("anna", "guess")), 0);
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    AnswerCredentials("\x01\x04"s + "anna\x05"s + "guess", "\x01\x01"s);
    EXPECT_TRUE(AwaitEvent("LoginFailed alice 46 proxy authentication failed"));
}

TEST_F(ProxySettingsTest, RefusedSettingsKeepTheEarlierProxy) {
    ASSERT_EQ(ApplyProxySettings(Socks()), 0);
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
    EXPECT_EQ(server.ReadBytes(3), "\x05\x01\x00"s); // no credentials offered
}

} // namespace
} // namespace hbquor::testing
