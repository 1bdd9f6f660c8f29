// SPDX-License-Identifier: MIT
// Connections through a proxy that the scripted server plays (and, once it
// has answered, the chat server behind it): what SOCKS5 and HTTP proxies
// are asked, records right behind the answer, each way a hostile proxy
// fails the opening, and quor_setproxy's checks. TLS through a tunnel is
// tested against real proxies, with quord.
#include "library_fixture.h"

#include <poll.h>

#include <chrono>

using namespace quor;
using namespace quor::testing;
using namespace std::string_literals;

namespace {

// A name that resolves nowhere: a connect that works left it to the proxy.
constexpr const char *kServerHost = "chat.example";
const std::string kSocksHello = "\x05\x01\x00"s;
const std::string kSocksHelloWithUser = "\x05\x02\x00\x02"s;
const std::string kSocksAuth = "\x01\x04"s + "anna\x02" + "pw";
const std::string kSocksRequest = "\x05\x01\x00\x03\x0c"s + kServerHost + "\x20\x7d"s;
const std::string kSocksGranted = "\x05\x00\x00\x01\x7f\x00\x00\x01\x04\xd2"s;
const std::string kHttpRequest =
    "CONNECT chat.example:8317 HTTP/1.1\r\nHost: chat.example:8317\r\n\r\n";
const std::string kHttpRequestWithUser = "CONNECT chat.example:8317 HTTP/1.1\r\nHost: "
                                         "chat.example:8317\r\nProxy-Authorization: Basic "
                                         "YW5uYTpwdw==\r\n\r\n";

// How often the library's descriptor woke its loop within ms: at most a
// timer tick or two when idle, thousands in a busy loop.
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

// What the proxy reads (a request's headers when it begins with CONNECT)
// and then answers.
struct Step {
    std::string read;
    std::string answer;
};

class ProxyTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        quor_setserver(kServerHost, 8317);
    }
    void TearDown() override {
        LibraryTest::TearDown();
        EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, 0, nullptr, nullptr), 0);
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    }

    // Logs on through a proxy of the type that plays the steps; returns h.
    QUORHANDLE LogOnThrough(int type, const char *user, const std::vector<Step> &steps) {
        EXPECT_EQ(quor_setproxy(type, "127.0.0.1", server.port(), user, "pw"), 0);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        EXPECT_EQ(quor_login(h, "me", "pw"), 0);
        EXPECT_GE(server.AcceptTcp(), 0);
        for (const Step &step : steps) {
            EXPECT_EQ(step.read.starts_with("CONNECT") ? server.ReadHeaders()
                                                       : server.ReadBytes(step.read.size()),
                      step.read);
            server.TrySendRaw(step.answer.data(), step.answer.size()); // it may hang up first
        }
        return h;
    }

    // The code of the one login callback for h (-1: none); the library
    // closed the proxy's connection and does not spin.
    int Failure(QUORHANDLE h, bool proxyConnected = true) {
        if (!WaitForEvents(1)) {
            return -1;
        }
        EXPECT_LE(WakeUps(200), 2);
        EXPECT_EQ(Recorded().size(), 1u);
        EXPECT_EQ(StateOf(h), STATE_IDLE);
        EXPECT_TRUE(!proxyConnected || server.ClientClosed());
        return Recorded()[0].slot == QUOR_CB_LOGIN ? std::stoi(Recorded()[0].args[0]) : -1;
    }
};

// With the proxy's last answer come the server's acceptance and a text, in
// the same segment: neither is lost nor taken for part of the answer.
TEST_F(ProxyTest, EachProxyIsAskedForTheServerByNameAndWhatFollowsItsAnswerArrives) {
    const struct {
        int type;
        const char *user;
        std::vector<Step> steps;
    } cases[] = {
        {QUOR_PROXY_SOCKS5, nullptr, {{kSocksHello, "\x05\x00"s}, {kSocksRequest, kSocksGranted}}},
        {QUOR_PROXY_SOCKS5,
         "anna",
         {{kSocksHelloWithUser, "\x05\x02"s},
          {kSocksAuth, "\x01\x00"s},
          {kSocksRequest, "\x05\x00\x00\x04"s + std::string(16, '\x01') + "\x04\xd2"s}}},
        {QUOR_PROXY_SOCKS5,
         "anna",
         {{kSocksHelloWithUser, "\x05\x00"s}, {kSocksRequest, "\x05\x00\x00\x03\x01p\x04\xd2"s}}},
        {QUOR_PROXY_HTTP, nullptr, {{kHttpRequest, "HTTP/1.0 200 OK\r\nVia: proxy\r\n\r\n"}}},
        {QUOR_PROXY_HTTP, "anna", {{kHttpRequestWithUser, "HTTP/1.1 200 Established\r\n\r\n"}}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.steps.back().answer);
        const auto early = Joined({MakeRecord(200, "$server", "me"), MakeText("bo", "me", "hi")});
        c.steps.back().answer.append(early.begin(), early.end());
        QUORHANDLE h = LogOnThrough(c.type, c.user, c.steps);
        ASSERT_TRUE(WaitForEvents(2));
        EXPECT_EQ(Recorded(), (std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {"0"}),
                                                        Ev(QUOR_CB_TEXT, h, {"bo", "hi"})}));
        auto opening = server.Read();
        ASSERT_TRUE(opening);
        EXPECT_EQ(opening->id(), 1);
        quor_destroy(h);
    }
}

TEST_F(ProxyTest, AHostileProxyFailsTheLogOnOnceWithItsReason) {
    const auto socks = [](std::string answer) {
        return std::vector<Step>{{kSocksHello, "\x05\x00"s}, {kSocksRequest, answer}};
    };
    const auto http = [](std::string answer) { return std::vector<Step>{{kHttpRequest, answer}}; };
    const struct {
        int type;
        std::vector<Step> steps;
        bool hangUp;
        int result;
    } cases[] = {
        {QUOR_PROXY_SOCKS5, {{kSocksHello, "HTTP/1.0 400 Bad\r\n\r\n"}}, false, 45},
        {QUOR_PROXY_SOCKS5, {{kSocksHello, "\x05\xff"s}}, false, 46}, // no method of ours
        {QUOR_PROXY_SOCKS5, {{kSocksHello, "\x05\x02"s}}, false, 45}, // one not offered
        {QUOR_PROXY_SOCKS5, socks("\x05\x05\x00\x01\x00\x00\x00\x00\x00\x00"s), false, 45},
        {QUOR_PROXY_SOCKS5, socks("\x05\x00\x00\x07\x00"s), false, 45}, // unknown address type
        {QUOR_PROXY_SOCKS5, socks("\x05\x00\x00\x01\x7f"s), true, 45},  // cut short
        {QUOR_PROXY_HTTP, http("SSH-2.0-hello\r\n\r\n"), false, 45},
        {QUOR_PROXY_HTTP, http("HTTP/1.1 403 Forbidden\r\n\r\n"), false, 45},
        {QUOR_PROXY_HTTP, http("HTTP/1.1 407 Proxy Authentication Required\r\n\r\n"), false, 46},
        {QUOR_PROXY_HTTP, http("HTTP/1.0 401 Unauthorized\r\n\r\n"), false, 46},
        {QUOR_PROXY_HTTP, http("HTTP/1.1 200 OK\r\n"), true, 45},
        {QUOR_PROXY_HTTP, http("HTTP/1.1 200 OK\r\n" + std::string(kMaxProxyHeaderBytes, 'x')),
         false, 45},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.steps.back().answer.substr(0, 20));
        QUORHANDLE h = LogOnThrough(c.type, nullptr, c.steps);
        if (c.hangUp) {
            server.Close();
        }
        EXPECT_EQ(Failure(h, !c.hangUp), c.result);
    }
}

// A proxy that takes the request, or half answers it, and then says
// nothing more: the opening's deadline ends it, on a fake clock.
TEST_F(ProxyTest, AProxyThatStopsAnsweringFailsTheLogOnAtTheDeadline) {
    UseFakeTicks(1000);
    for (const auto &[type, steps] : {std::pair{QUOR_PROXY_SOCKS5, std::vector<Step>{}},
                                      {QUOR_PROXY_SOCKS5, {{kSocksHello, "\x05"s}}},
                                      {QUOR_PROXY_HTTP, {{kHttpRequest, "HTTP/1.1"}}}}) {
        QUORHANDLE h = LogOnThrough(type, nullptr, steps);
        EXPECT_LE(WakeUps(200), 2);
        EXPECT_TRUE(Recorded().empty());
        g_fakeTick += 31000;
        EXPECT_EQ(Failure(h), QUOR_ERR_SOCKET_TIMED_OUT);
    }
}

TEST_F(ProxyTest, AProxyThatCannotBeReachedFailsWith47) {
    quor_setproxy(QUOR_PROXY_SOCKS5, "127.0.0.1", UnusedLoopbackPort(), nullptr, nullptr);
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    EXPECT_EQ(Failure(h, false), QUOR_ERR_PROXY_UNREACHABLE);
    // A proxy name that does not resolve fails the request at once.
    quor_setproxy(QUOR_PROXY_HTTP, "proxy.invalid", 3128, nullptr, nullptr);
    EXPECT_EQ(quor_login(quor_create(), "me", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), QUOR_ERR_PROXY_UNREACHABLE);
}

// Refused settings keep the earlier proxy; the setting works before
// quor_init, and a connection keeps the proxy in force when it started.
TEST_F(ProxyTest, BadSettingsAreRefusedAndKeepTheEarlierProxy) {
    const std::string longest(kMaxProxyCredential, 'u');
    const std::string over(kMaxProxyCredential + 1, 'u');
    quor_term();
    ASSERT_EQ(quor_setproxy(QUOR_PROXY_SOCKS5, "127.0.0.1", server.port(), longest.c_str(), ""), 0);
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    const struct {
        int type;
        const char *host;
        int port;
        const char *user;
        const char *password;
    } bad[] = {
        {3, "proxy", 1080, nullptr, nullptr},   {-1, "proxy", 1080, nullptr, nullptr},
        {1, nullptr, 1080, nullptr, nullptr},   {2, "", 1080, nullptr, nullptr},
        {2, "proxy", 0, nullptr, nullptr},      {2, "proxy", 65536, nullptr, nullptr},
        {1, "proxy", 1080, over.c_str(), "pw"}, {1, "proxy", 1080, "anna", over.c_str()},
    };
    for (const auto &b : bad) {
        EXPECT_EQ(quor_setproxy(b.type, b.host, b.port, b.user, b.password), 1);
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_PROXY_SETTING);
    }
    ASSERT_EQ(quor_login(quor_create(), "me", "pw"), 0);
    ASSERT_GE(server.AcceptTcp(), 0);
    ASSERT_EQ(server.ReadBytes(4), kSocksHelloWithUser);
    server.SendRaw("\x05\x02", 2);
    EXPECT_EQ(server.ReadBytes(longest.size() + 3), "\x01\xff"s + longest + '\0');
    EXPECT_EQ(quor_setproxy(QUOR_PROXY_NONE, nullptr, -5, over.c_str(), nullptr), 0);
    server.SendRaw("\x01\x00", 2);
    EXPECT_EQ(server.ReadBytes(kSocksRequest.size()), kSocksRequest);
}

// A server name that would break the request's form is never sent.
TEST_F(ProxyTest, AServerNameThatCannotBeAskedForFailsAtOnce) {
    for (const auto &[type, host] : {std::pair{QUOR_PROXY_HTTP, "chat.example\r\nX-Evil: 1"s},
                                     {QUOR_PROXY_HTTP, "chat example"s},
                                     {QUOR_PROXY_SOCKS5, std::string(256, 'c')}}) {
        quor_setproxy(type, "127.0.0.1", server.port(), nullptr, nullptr);
        quor_setserver(host.c_str(), 8317);
        EXPECT_EQ(quor_login(quor_create(), "me", "pw"), 1);
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_SOCKET_INVALID);
    }
}

} // namespace
