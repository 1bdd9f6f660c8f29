// SPDX-License-Identifier: MIT
// TLS connections: the handshake as part of the connect, records both ways,
// every way a handshake fails, bytes that wait inside TLS, closes, and the
// quor_settls setting itself.
#include "library_fixture.h"
#include "test_certificate.h"

#include "library.h"

#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace quor;
using namespace quor::testing;

namespace {

class TlsTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        server.UseTls(certificate);
        ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
    }

    void TearDown() override {
        LibraryTest::TearDown();
        EXPECT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    }

    // Starts a connect of the purpose, lets serve() play the server's part,
    // and returns the code of the one callback that follows (-1: none), on
    // the slot of the purpose.
    int FailedConnect(int purpose, const std::function<void()> &serve) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        EXPECT_EQ(StartConnect(h, purpose), 0);
        serve();
        if (!WaitForEvents(1)) {
            return -1;
        }
        PumpFor(30);
        EXPECT_EQ(Recorded().size(), 1u);
        EXPECT_EQ(Recorded()[0].slot, kPurposeSlots[purpose]);
        EXPECT_EQ(StateOf(h), STATE_IDLE);
        return std::stoi(Recorded()[0].args[0]);
    }

    // Waits until the client's first handshake bytes arrive.
    void AwaitClientHello() {
        ASSERT_GE(server.AcceptTcp(), 0);
        EXPECT_FALSE(server.Silent(3000));
    }

    TestCertificate certificate;
};

TEST_F(TlsTest, RecordsTravelInsideTlsBothWays) {
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "anna", "pw"), 0);
    auto opening = server.AcceptOpening(200);
    ASSERT_TRUE(opening);
    std::string user, password;
    std::int32_t build = 0, constant = 0;
    ASSERT_TRUE(ExpectFields(*opening, 1, 1, "ssdd", {&user, &password, &build, &constant}));
    EXPECT_EQ(user, "anna");
    EXPECT_EQ(password, "pw");
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(Recorded().front(), Ev(QUOR_CB_LOGIN, h, {"0"}));

    server.Send(MakeText("bob", "anna", "hello"));
    ASSERT_TRUE(WaitForEvents(2));
    EXPECT_EQ(Recorded().back(), Ev(QUOR_CB_TEXT, h, {"bob", "hello"}));
    EXPECT_EQ(quor_sendtext(h, "bob", "hi"), 0);
    auto text = server.Read();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->recipient(), "bob");
    EXPECT_EQ(text->rawText(), "hi");
}

TEST_F(TlsTest, ANameIsSentToTheServerAndAnAddressIsNot) {
    const std::pair<const char *, std::string> hosts[] = {{"localhost", "localhost"},
                                                          {"127.0.0.1", ""}};
    for (const auto &[host, asked] : hosts) {
        quor_setserver(host, server.port());
        LogOn();
        EXPECT_EQ(server.ServerNameAskedFor(), asked) << host;
    }
}

// Records the socket cannot take at once wait in the send queue; TLS writes
// retried later must keep their bytes and their order.
TEST_F(TlsTest, RecordsSentFasterThanTheServerReadsArriveWholeAndInOrder) {
    UseFakeTicks(1000); // however slow the test runs, the session never falls silent
    server.LimitReceiveBuffers();
    QUORHANDLE h = LogOn();
    const auto queued = [h] {
        return FindSession(reinterpret_cast<std::uintptr_t>(h))->queuedForSending();
    };
    const std::string text(300, 'x');
    int sent = 0;
    for (int extra = 100; extra > 0 && sent < 200000; ++sent) {
        ASSERT_EQ(quor_sendtext(h, "bob", (std::to_string(sent) + text).c_str()), 0);
        extra -= queued() > 0 ? 1 : 0;
    }
    ASSERT_GT(queued(), 0u) << "the socket never filled";
    for (int i = 0; i < sent; ++i) {
        auto record = server.Read();
        ASSERT_TRUE(record) << i;
        ASSERT_EQ(record->rawText(), std::to_string(i) + text);
    }
    EXPECT_EQ(queued(), 0u);
}

// The server's session tickets reach the client before the answer; reading
// them is no read notification, which would close these connections early.
TEST_F(TlsTest, AccountRequestsGetTheAnswerThatFollowsTheHandshake) {
    const std::pair<int, std::int32_t> answers[] = {{1, 211}, {2, 212}};
    for (const auto &[purpose, answer] : answers) {
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(StartConnect(h, purpose), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        PumpFor(50);
        EXPECT_EQ(StateOf(h), STATE_AWAITING_REPLY);
        server.Send(MakeRecord(answer, "$server", "me"));
        ASSERT_TRUE(WaitForEvents(1));
        EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(kPurposeSlots[purpose], h, {"0"})});
    }
}

TEST_F(TlsTest, FailedHandshakesAreFailedConnectsOfTheirPurpose) {
    // Untrusted: the system's trust store does not know the test certificate.
    ASSERT_EQ(quor_settls(QUOR_TLS_ON, nullptr), 0);
    EXPECT_EQ(FailedConnect(0, [&] { EXPECT_EQ(server.Accept(), -1); }), 41);

    // Trusted, but made for another host, reached by address and by name.
    TestCertificate stranger({"other.example"}, {"192.0.2.1"});
    server.UseTls(stranger);
    ASSERT_EQ(quor_settls(QUOR_TLS_ON, stranger.certFile().c_str()), 0);
    EXPECT_EQ(FailedConnect(1, [&] { EXPECT_EQ(server.Accept(), -1); }), 42);
    quor_setserver("localhost", server.port());
    EXPECT_EQ(FailedConnect(2, [&] { EXPECT_EQ(server.Accept(), -1); }), 42);

    // A server that speaks no TLS answers the handshake with a record.
    ScriptedServer plain;
    plain.UseForLibrary();
    EXPECT_EQ(FailedConnect(0,
                            [&] {
                                ASSERT_GE(plain.Accept(), 0);
                                plain.Send(MakeRecord(200, "$server", "me"));
                            }),
              40);
    // A server that closes in the middle of the handshake.
    server.UseForLibrary();
    EXPECT_EQ(FailedConnect(1,
                            [&] {
                                AwaitClientHello();
                                server.Close();
                            }),
              40);
}

TEST_F(TlsTest, ATlsServerHangsUpOnAPlainClient) {
    ASSERT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0);
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    EXPECT_EQ(server.Accept(), -1);
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(30);
    // The plain protocol is unchanged: the server closed before any answer.
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
}

TEST_F(TlsTest, AHandshakeTheServerNeverAnswersFailsAfterThirtySeconds) {
    UseFakeTicks(5000);
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    AwaitClientHello();
    g_fakeTick += 30999; // 30 whole seconds: not yet
    PumpFor(1300);
    EXPECT_TRUE(Recorded().empty());
    EXPECT_EQ(StateOf(h), STATE_CONNECTING);
    g_fakeTick += 1;
    ASSERT_TRUE(WaitForEvents(1, 2500));
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {"10060"})});
    EXPECT_TRUE(server.ClientClosed());
}

TEST_F(TlsTest, ARecordSplitAcrossTlsRecordsIsDeliveredOnce) {
    QUORHANDLE h = LogOn();
    const QuorMessage a = MakeText("anna", "me", "first");
    server.SendRaw(a.bytes.data(), 100);
    PumpFor(30);
    server.SendRaw(a.bytes.data() + 100, 300);
    PumpFor(30);
    EXPECT_TRUE(Recorded().empty());
    server.SendRaw(a.bytes.data() + 400, kRecordSize - 400);
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(30);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_TEXT, h, {"anna", "first"})});
}

// However the server goes, the disconnect comes once and the descriptor
// does not stay readable for a dead socket.
TEST_F(TlsTest, APeerCloseIsOneDisconnectWithoutABusyLoop) {
    const std::function<void(ScriptedServer &)> endings[] = {
        [](ScriptedServer &s) { s.Close(); },
        [](ScriptedServer &s) { s.Close(-1, false); },
        [](ScriptedServer &s) { s.Reset(); },
    };
    for (const auto &end : endings) {
        Recorded().clear();
        QUORHANDLE h = LogOn();
        end(server);
        ASSERT_TRUE(WaitForEvents(1));
        int readable = 0;
        pollfd ready{quor_getfd(), POLLIN, 0};
        for (int i = 0; i < 100; ++i) {
            if (::poll(&ready, 1, 2) == 1) {
                ++readable;
                quor_pump(0);
            }
        }
        EXPECT_LE(readable, 2); // the housekeeping timer, at most
        EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
    }
}

// The write to a connection the peer reset fails without SIGPIPE, which
// would end this process.
TEST_F(TlsTest, ALostConnectionFoundBySendingIsReportedByALaterPump) {
    ExpectLossFoundBySendingReportedLater(LogOn());
}

TEST_F(TlsTest, DestroyAndTermSayGoodbyeToTheServer) {
    QUORHANDLE h = LogOn();
    quor_destroy(h);
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_TRUE(server.ClientSaidGoodbye());
    LogOn();
    quor_term();
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_TRUE(server.ClientSaidGoodbye());
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
}

TEST_F(TlsTest, UnknownModesAndUnreadableCaFilesAreRefusedAndChangeNothing) {
    const std::string notPem = std::filesystem::path(certificate.keyFile()).parent_path() / "x";
    std::ofstream(notPem) << "no certificate here\n";
    const std::pair<int, std::string> refused[] = {
        {2, ""}, {-1, ""}, {QUOR_TLS_ON, "/nonexistent/ca.pem"}, {QUOR_TLS_ON, notPem}};
    for (const auto &[mode, ca] : refused) {
        quor_setcallback(99, nullptr); // last error 7
        EXPECT_EQ(quor_settls(mode, ca.c_str()), 1) << mode << " " << ca;
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_TLS_SETUP);
    }
    LogOn(); // still TLS, still trusting the test certificate
    EXPECT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
}

TEST_F(TlsTest, TheSettingWorksBeforeInitAndOutlivesTerm) {
    const std::string ca = std::filesystem::path(certificate.keyFile()).parent_path() / "ca.pem";
    std::filesystem::copy_file(certificate.certFile(), ca);
    quor_term();
    ASSERT_EQ(quor_settls(QUOR_TLS_ON, ca.c_str()), 0);
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    LogOn();
    quor_term();
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    LogOn(); // the context is made again from the same file
    // Made again after a term, a context whose CA file is gone fails the
    // connect at once.
    quor_term();
    std::filesystem::remove(ca);
    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    QUORHANDLE h = quor_create();
    EXPECT_EQ(quor_login(h, "me", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), QUOR_ERR_TLS_SETUP);
    EXPECT_EQ(StateOf(h), STATE_IDLE);
}

TEST_F(TlsTest, EachConnectionKeepsTheModeOfItsConnectRequest) {
    QUORHANDLE secure = quor_create();
    ASSERT_EQ(quor_login(secure, "me", "pw"), 0);
    ASSERT_EQ(quor_settls(QUOR_TLS_OFF, nullptr), 0); // during the handshake
    ASSERT_TRUE(server.AcceptOpening(200));
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(Recorded().front(), Ev(QUOR_CB_LOGIN, secure, {"0"}));

    ScriptedServer plain;
    plain.UseForLibrary();
    QUORHANDLE open = quor_create();
    ASSERT_EQ(quor_login(open, "me", "pw"), 0);
    ASSERT_TRUE(plain.AcceptOpening(200));
    ASSERT_TRUE(WaitForEvents(2));
    EXPECT_EQ(Recorded().back(), Ev(QUOR_CB_LOGIN, open, {"0"}));

    server.Send(MakeText("anna", "me", "still secret"));
    plain.Send(MakeText("bob", "me", "plain"));
    ASSERT_TRUE(WaitForEvents(4));
    PumpFor(30);
    EXPECT_EQ(Recorded().size(), 4u);
}

} // namespace
