// SPDX-License-Identifier: MIT
// A socket the reactor cannot watch is reported: epoll_ctl failures fail
// the connect request that opened the socket, or close the connection.
#include "library_fixture.h"
#include "test_certificate.h"

#include "library.h"

#include <sys/epoll.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

using namespace quor;
using namespace quor::testing;

namespace {

// The epoll_ctl operation that fails (0: none), and which readiness it must
// ask for to fail (0: any).
int g_failingOperation = 0;
std::uint32_t g_failingEvents = 0;

} // namespace

// Stands in for the C library's epoll_ctl in this test program, the
// library's included: the kernel's call unless a test wants it to fail.
extern "C" int epoll_ctl(int epollFd, int op, int fd, epoll_event *event) noexcept {
    if (op == g_failingOperation &&
        (g_failingEvents == 0 || (event->events & g_failingEvents) != 0)) {
        errno = ENOMEM;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_epoll_ctl, epollFd, op, fd, event));
}

namespace {

class WatchFailureTest : public LibraryTest {
protected:
    void FailFrom(int operation, std::uint32_t events = 0) {
        g_failingOperation = operation;
        g_failingEvents = events;
    }
    void TearDown() override {
        g_failingOperation = 0;
        LibraryTest::TearDown();
    }
};

constexpr const char *kNoBufferSpace = "10055"; // ENOMEM's socket error

TEST_F(WatchFailureTest, ASocketThatCannotBeWatchedFailsItsConnectRequestAtOnce) {
    FailFrom(EPOLL_CTL_ADD);
    QUORHANDLE h = quor_create();
    EXPECT_EQ(quor_login(h, "me", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), std::stoi(kNoBufferSpace));
    PumpFor(50);
    EXPECT_TRUE(Recorded().empty());
    EXPECT_EQ(quor_login(h, "me", "pw"), 1);
    EXPECT_EQ(quor_getlasterror(), 25);
}

TEST_F(WatchFailureTest, AWatchThatFailsWhileConnectingFailsTheConnect) {
    TestCertificate certificate;
    for (bool tls : {false, true}) {
        Recorded().clear();
        if (tls) {
            server.UseTls(certificate);
            ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        }
        FailFrom(EPOLL_CTL_MOD, EPOLLIN); // the connect done, reads are next
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_createuser(h, "me", "me@example.org"), 0);
        ASSERT_GE(server.AcceptTcp(), 0);
        ASSERT_TRUE(WaitForEvents(1));
        PumpFor(30);
        EXPECT_EQ(Recorded(),
                  std::vector<RaisedEvent>{Ev(QUOR_CB_CREATEUSER, h, {kNoBufferSpace})});
        EXPECT_TRUE(server.ClientClosed());
    }
    quor_settls(QUOR_TLS_OFF, nullptr);
}

TEST_F(WatchFailureTest, AWatchThatFailsLaterClosesTheConnectionWithItsNotification) {
    QUORHANDLE h = LogOn();
    // Only a send queue that backs up asks for writability from now on.
    FailFrom(EPOLL_CTL_MOD, EPOLLOUT);
    const QuorSession *session = FindSession(reinterpret_cast<std::uintptr_t>(h));
    for (int i = 0; i < 200000 && session->state() == STATE_LOGGED_ON; ++i) {
        quor_sendtext(h, "bob", "the server reads none of this");
    }
    EXPECT_EQ(session->state(), STATE_IDLE);
    EXPECT_TRUE(Recorded().empty()) << "no callback from inside an export";
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(30);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_DISCONNECT, h)});
}

} // namespace
