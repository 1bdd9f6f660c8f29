// Connections through a proxy, with the scripted server playing the proxy
// and, once it has answered, the chat server behind it: what the library
// asks a SOCKS5 and an HTTP proxy, records that come with the answer, TLS
// through the tunnel, every way a hostile proxy can fail the opening, and
// quor_setproxy's own checks.
#include "library_fixture.h"
#include "test_certificate.h"

#include <poll.h>

#include <chrono>

using namespace quor;
using namespace quor::testing;
using namespace std::string_literals;

namespace {

// The server behind the proxy: a name that resolves nowhere, so that a
// connect that works proves the library left it to the proxy.
constexpr const char *kServerHost = "chat.example";
constexpr int kServerPort = 8317;
const std::string kSocksDestination = "\x03\x0c"s + kServerHost + "\x20\x7d"s;
const std::string kSocksRequest = "\x05\x01\x00"s + kSocksDestination;
const std::string kSocksGranted = "\x05\x00\x00\x01\x7f\x00\x00\x01\x04\xd2"s;
const std::string kHttpGranted = "HTTP/1.1 200 Connection established\r\n\r\n";

// How often the library's descriptor woke its loop within ms: a handful
// for the housekeeping timer, hundreds for a busy loop.
int WakeUps(int ms) {
    int count = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{quor_getfd(), POLLIN, 0};
        if (::poll(&p, 1, 10) == 1) {
            ++count;
            quor_pump(0);
        }
    }
    return count;
}

class ProxyTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        quor_setserver(kServerHost, kServerPort);
    }
    void TearDown() override {
        LibraryTest::TearDown();
        EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, 0, nullptr, nullptr), 0);
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    }

    void UseProxy(int type, const char *user = nullptr, const char *password = nullptr) {
        ASSERT_EQ(quor_setproxy(type, "127.0.0.1", server.port(), user, password), 0);
    }

    // Plays a SOCKS5 proxy that wants no credentials up to the library's
    // request for the tunnel.
    void AcceptSocksRequest() {
        ASSERT_GE(server.AcceptTcp(), 0);
        ASSERT_EQ(server.ReadBytes(3), "\x05\x01\x00"s);
        server.SendRaw("\x05\x00", 2);
        ASSERT_EQ(server.ReadBytes(kSocksRequest.size()), kSocksRequest);
    }

    // Logs on; serve() plays the proxy up to and with its answer, after
    // which the scripted server reads the opening request and accepts it.
    void ExpectLogOnThrough(const std::function<void()> &serve) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        serve();
        auto opening = server.Read();
        ASSERT_TRUE(opening);
        EXPECT_EQ(opening->id(), 1);
        server.Send(MakeRecord(200, "$server", "me"));
        ASSERT_TRUE(WaitForEvents(1));
        EXPECT_EQ(Recorded().front(), Ev(QUOR_CB_LOGIN, h, {"0"}));
        quor_destroy(h);
    }

    // Starts a log-on, lets serve() play the proxy, and returns the code of
    // the failure that follows (see AwaitFailure).
    int FailedLogOn(const std::function<void()> &serve, bool proxyHangsUp = false) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        EXPECT_EQ(quor_login(h, "me", "pw"), 0);
        serve();
        return AwaitFailure(h, !proxyHangsUp && server.clientCount() > 0);
    }

    // The code of the one login callback that comes for h (-1: none). The
    // library must close its end and must not spin meanwhile.
    int AwaitFailure(QUORHANDLE h, bool proxyConnected) {
        if (!WaitForEvents(1)) {
            return -1;
        }
        EXPECT_LE(WakeUps(200), 2);
        EXPECT_EQ(Recorded().size(), 1u);
        EXPECT_EQ(Recorded()[0].slot, QUOR_CB_LOGIN);
        EXPECT_EQ(StateOf(h), STATE_IDLE);
        if (proxyConnected) {
            EXPECT_TRUE(server.ClientClosed());
        }
        return std::stoi(Recorded()[0].args[0]);
    }
};

TEST_F(ProxyTest, ASocksProxyIsAskedForTheServerByNameWithOrWithoutCredentials) {
    const struct {
        const char *user;
        std::string reply; // the tunnel's bound address, in each form
    } cases[] = {
        {nullptr, kSocksGranted},
        {"anna", "\x05\x00\x00\x04"s + std::string(16, '\x01') + "\x04\xd2"s},
        {"anna", "\x05\x00\x00\x03\x05proxy\x04\xd2"s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply.size());
        UseProxy(QUOR_PROXY_SOCKS5, c.user, "s3cret");
        ExpectLogOnThrough([&] {
            ASSERT_GE(server.AcceptTcp(), 0);
            if (c.user == nullptr) {
                ASSERT_EQ(server.ReadBytes(3), "\x05\x01\x00"s);
                server.SendRaw("\x05\x00", 2);
            } else {
                ASSERT_EQ(server.ReadBytes(4), "\x05\x02\x00\x02"s);
                server.SendRaw("\x05\x02", 2);
                ASSERT_EQ(server.ReadBytes(13), "\x01\x04"s + "anna\x06"s + "s3cret");
                server.SendRaw("\x01\x00", 2);
            }
            ASSERT_EQ(server.ReadBytes(kSocksRequest.size()), kSocksRequest);
            server.SendRaw(c.reply.data(), c.reply.size());
        });
    }
}

TEST_F(ProxyTest, AnHttpProxyIsAskedToConnectWithBasicAuthenticationWhenAUserIsGiven) {
    const struct {
        const char *user;
        std::string authorization;
    } cases[] = {
        {nullptr, ""},
        {"anna", "Proxy-Authorization: Basic YW5uYTpzM2NyZXQ=\r\n"},
    };
    for (const auto &c : cases) {
        UseProxy(QUOR_PROXY_HTTP, c.user, "s3cret");
        ExpectLogOnThrough([&] {
            ASSERT_GE(server.AcceptTcp(), 0);
            EXPECT_EQ(server.ReadHeaders(), "CONNECT chat.example:8317 HTTP/1.1\r\n"
                                            "Host: chat.example:8317\r\n" +
                                                c.authorization + "\r\n");
            const std::string answer = "HTTP/1.0 200 OK\r\nVia: 1.1 proxy\r\n\r\n";
            server.SendRaw(answer.data(), answer.size());
        });
    }
}

// Records that the server sent right behind the proxy's answer, in the same
// segment, are neither lost nor taken for part of the answer.
TEST_F(ProxyTest, RecordsThatComeWithTheAnswerAreDelivered) {
    for (int type : {QUOR_PROXY_SOCKS5, QUOR_PROXY_HTTP}) {
        SCOPED_TRACE(type);
        UseProxy(type);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        std::string answer = kHttpGranted;
        if (type == QUOR_PROXY_SOCKS5) {
            AcceptSocksRequest();
            answer = kSocksGranted;
        } else {
            ASSERT_GE(server.AcceptTcp(), 0);
            ASSERT_FALSE(server.ReadHeaders().empty());
        }
        const std::vector<std::uint8_t> records =
            Joined({MakeRecord(200, "$server", "me"), MakeText("anna", "me", "early")});
        answer.append(records.begin(), records.end());
        server.SendRaw(answer.data(), answer.size());
        ASSERT_TRUE(WaitForEvents(2));
        EXPECT_EQ(Recorded(), (std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {"0"}),
                                                        Ev(QUOR_CB_TEXT, h, {"anna", "early"})}));
        ASSERT_TRUE(server.Read());
        quor_destroy(h);
    }
}

// TLS runs inside the tunnel and checks the server's name, not the proxy's
// address, which the certificate names as well.
TEST_F(ProxyTest, TlsThroughTheTunnelChecksTheServersName) {
    const struct {
        std::string certifiedName;
        int result;
    } cases[] = {{kServerHost, 0}, {"other.example", QUOR_ERR_TLS_HOST_MISMATCH}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.certifiedName);
        TestCertificate certificate({c.certifiedName}, {"127.0.0.1"});
        server.UseTls(certificate);
        ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        UseProxy(QUOR_PROXY_SOCKS5);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        AcceptSocksRequest();
        server.SendRaw(kSocksGranted.data(), kSocksGranted.size());
        if (server.StartTls()) {
            EXPECT_EQ(server.ServerNameAskedFor(), kServerHost);
            ASSERT_TRUE(server.Read());
            server.Send(MakeRecord(200, "$server", "me"));
        }
        ASSERT_TRUE(WaitForEvents(1));
        EXPECT_EQ(Recorded().front(), Ev(QUOR_CB_LOGIN, h, {std::to_string(c.result)}));
        quor_destroy(h);
    }
}

// Each script plays a proxy that fails the opening in its own way.
TEST_F(ProxyTest, AHostileProxyFailsTheLogOnOnceWithItsReason) {
    const auto socksAnswer = [this](const std::string &reply) {
        return [this, reply] {
            ASSERT_GE(server.AcceptTcp(), 0);
            ASSERT_FALSE(server.ReadBytes(3).empty());
            server.SendRaw(reply.data(), reply.size());
        };
    };
    const auto socksGrant = [this](const std::string &reply) {
        return [this, reply] {
            AcceptSocksRequest();
            server.SendRaw(reply.data(), reply.size());
        };
    };
    const auto httpAnswer = [this](const std::string &reply) {
        return [this, reply] {
            ASSERT_GE(server.AcceptTcp(), 0);
            ASSERT_FALSE(server.ReadHeaders().empty());
            server.TrySendRaw(reply.data(), reply.size()); // the client may hang up first
        };
    };
    const auto thenHangUp = [this](const std::function<void()> &serve) {
        return [this, serve] {
            serve();
            server.Close();
        };
    };
    const struct {
        const char *what;
        int type;
        std::function<void()> serve;
        int result;
        bool hangsUp;
    } cases[] = {
        {"socks: garbage", QUOR_PROXY_SOCKS5, socksAnswer("HTTP/1.0 400 Bad\r\n\r\n"),
         QUOR_ERR_PROXY_REFUSED, false},
        {"socks: no method taken", QUOR_PROXY_SOCKS5, socksAnswer("\x05\xff"s), QUOR_ERR_PROXY_AUTH,
         false},
        {"socks: a method not offered", QUOR_PROXY_SOCKS5, socksAnswer("\x05\x02"s),
         QUOR_ERR_PROXY_REFUSED, false},
        {"socks: connection refused", QUOR_PROXY_SOCKS5,
         socksGrant("\x05\x05\x00\x01\x00\x00\x00\x00\x00\x00"s), QUOR_ERR_PROXY_REFUSED, false},
        {"socks: unknown address type", QUOR_PROXY_SOCKS5, socksGrant("\x05\x00\x00\x07\x00"s),
         QUOR_ERR_PROXY_REFUSED, false},
        {"socks: cut short", QUOR_PROXY_SOCKS5, thenHangUp(socksGrant("\x05\x00\x00\x01\x7f"s)),
         QUOR_ERR_PROXY_REFUSED, true},
        {"http: garbage", QUOR_PROXY_HTTP, httpAnswer("SSH-2.0-hello\r\n\r\n"),
         QUOR_ERR_PROXY_REFUSED, false},
        {"http: forbidden", QUOR_PROXY_HTTP, httpAnswer("HTTP/1.1 403 Forbidden\r\n\r\n"),
         QUOR_ERR_PROXY_REFUSED, false},
        {"http: credentials wanted", QUOR_PROXY_HTTP,
         httpAnswer("HTTP/1.1 407 Proxy Authentication Required\r\n\r\n"), QUOR_ERR_PROXY_AUTH,
         false},
        {"http: credentials not taken", QUOR_PROXY_HTTP,
         httpAnswer("HTTP/1.0 401 Unauthorized\r\n\r\n"), QUOR_ERR_PROXY_AUTH, false},
        {"http: cut short", QUOR_PROXY_HTTP, thenHangUp(httpAnswer("HTTP/1.1 200 OK\r\n")),
         QUOR_ERR_PROXY_REFUSED, true},
        {"http: headers without end", QUOR_PROXY_HTTP,
         httpAnswer("HTTP/1.1 200 OK\r\n" + std::string(kMaxProxyHeaderBytes, 'x')),
         QUOR_ERR_PROXY_REFUSED, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        UseProxy(c.type);
        EXPECT_EQ(FailedLogOn(c.serve, c.hangsUp), c.result);
    }
}

TEST_F(ProxyTest, AProxyThatCannotBeReachedFailsWith47) {
    ASSERT_EQ(quor_setproxy(QUOR_PROXY_SOCKS5, "127.0.0.1", UnusedLoopbackPort(), nullptr, nullptr),
              0);
    EXPECT_EQ(FailedLogOn([] {}), QUOR_ERR_PROXY_UNREACHABLE);

    // A proxy name that does not resolve fails the request at once.
    ASSERT_EQ(quor_setproxy(QUOR_PROXY_HTTP, "proxy.invalid", 3128, nullptr, nullptr), 0);
    QUORHANDLE h = quor_create();
    EXPECT_EQ(quor_login(h, "me", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), QUOR_ERR_PROXY_UNREACHABLE);
}

// A proxy that takes the request, or half answers it, and then says
// nothing more: the opening's deadline ends it, on a fake clock.
TEST_F(ProxyTest, AProxyThatNeverAnswersFailsTheLogOnAtTheDeadline) {
    UseFakeTicks(1000);
    const struct {
        int type;
        std::string partial;
    } cases[] = {
        {QUOR_PROXY_SOCKS5, ""}, {QUOR_PROXY_SOCKS5, "\x05"s}, {QUOR_PROXY_HTTP, "HTTP/1.1"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.partial);
        UseProxy(c.type);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        ASSERT_GE(server.AcceptTcp(), 0);
        EXPECT_FALSE(server.Silent());
        if (!c.partial.empty()) {
            server.SendRaw(c.partial.data(), c.partial.size());
        }
        EXPECT_LE(WakeUps(200), 2);
        EXPECT_TRUE(Recorded().empty());
        g_fakeTick += 31000;
        EXPECT_EQ(AwaitFailure(h, true), QUOR_ERR_SOCKET_TIMED_OUT);
    }
}

// The setting works before quor_init, and a connection keeps the proxy
// that was in force when it started.
TEST_F(ProxyTest, BadSettingsAreRefusedAndKeepTheEarlierProxy) {
    const std::string longest(kMaxProxyCredential, 'u');
    const std::string tooLong(kMaxProxyCredential + 1, 'u');
    quor_term();
    ASSERT_EQ(quor_setproxy(QUOR_PROXY_SOCKS5, "127.0.0.1", server.port(), longest.c_str(),
                            longest.c_str()),
              0);
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    const struct {
        int type;
        const char *host;
        int port;
        const char *user;
        const char *password;
    } bad[] = {
        {3, "127.0.0.1", 1080, nullptr, nullptr},
        {-1, "127.0.0.1", 1080, nullptr, nullptr},
        {QUOR_PROXY_SOCKS5, nullptr, 1080, nullptr, nullptr},
        {QUOR_PROXY_HTTP, "", 1080, nullptr, nullptr},
        {QUOR_PROXY_HTTP, "127.0.0.1", 0, nullptr, nullptr},
        {QUOR_PROXY_HTTP, "127.0.0.1", 65536, nullptr, nullptr},
        {QUOR_PROXY_SOCKS5, "127.0.0.1", 1080, tooLong.c_str(), "pw"},
        {QUOR_PROXY_SOCKS5, "127.0.0.1", 1080, "anna", tooLong.c_str()},
    };
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        const auto &b = bad[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(quor_setproxy(b.type, b.host, b.port, b.user, b.password), 1);
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_PROXY_SETTING);
    }
    // Still the SOCKS5 proxy with the longest credentials.
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    ASSERT_GE(server.AcceptTcp(), 0);
    ASSERT_EQ(server.ReadBytes(4), "\x05\x02\x00\x02"s);
    server.SendRaw("\x05\x02", 2);
    EXPECT_EQ(server.ReadBytes(3 + 2 * longest.size()), "\x01\xff"s + longest + "\xff"s + longest);
    EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, -5, tooLong.c_str(), nullptr), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
    server.SendRaw("\x01\x00", 2);
    EXPECT_EQ(server.ReadBytes(kSocksRequest.size()), kSocksRequest);
}

// The server's name goes into the request as it is, so one that would
// break the request's form is refused before anything is sent.
TEST_F(ProxyTest, AServerNameThatCannotBeAskedForFailsAtOnce) {
    const struct {
        int type;
        std::string host;
    } cases[] = {{QUOR_PROXY_HTTP, "chat.example\r\nX-Evil: 1"},
                 {QUOR_PROXY_HTTP, "chat example"},
                 {QUOR_PROXY_SOCKS5, std::string(256, 'c')}};
    for (const auto &c : cases) {
        UseProxy(c.type);
        quor_setserver(c.host.c_str(), kServerPort);
        QUORHANDLE h = quor_create();
        EXPECT_EQ(quor_login(h, "me", "pw"), 1);
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_SOCKET_INVALID);
        EXPECT_EQ(StateOf(h), STATE_IDLE);
    }
}

} // namespace
