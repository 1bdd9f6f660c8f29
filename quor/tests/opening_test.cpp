// The opening of a connection against a server that stalls or floods it:
// one deadline for the whole opening, and a cap on what is kept before the
// server's answer.
#include "library_fixture.h"

#include "library.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

using namespace quor;
using namespace quor::testing;

namespace {

// A loopback port whose connects never complete, as with a host that drops
// them: its one place in the accept queue is taken and never accepted, so
// the kernel drops every further connect's SYN.
class FullBacklog {
public:
    FullBacklog() : listener_(ListenOnLoopback(SOCK_CLOEXEC, port_)) {
        ::listen(listener_, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port_));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        filler_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ::connect(filler_, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    }
    ~FullBacklog() {
        ::close(filler_);
        ::close(listener_);
    }
    int port() const { return port_; }

private:
    int port_ = 0;
    int listener_;
    int filler_ = -1;
};

std::vector<std::uint8_t> Texts(int count) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        const QuorMessage m = MakeText("anna", "me", std::to_string(i));
        bytes.insert(bytes.end(), m.bytes.begin(), m.bytes.end());
    }
    return bytes;
}

} // namespace

// Each way an opening can stall, for each purpose, runs at once on one fake
// clock: nothing before the deadline, then one failure each on the callback
// of its purpose.
TEST_F(LibraryTest, AStalledOpeningFailsItsRequestWith10060AfterThirtySeconds) {
    UseFakeTicks(0xFFFFF000u); // the deadline falls across the counter's wrap
    FullBacklog blackhole;
    std::vector<std::pair<QUORHANDLE, int>> sessions; // with their purposes
    for (int purpose = 0; purpose < 3; ++purpose) {
        quor_setserver("127.0.0.1", blackhole.port());
        sessions.emplace_back(quor_create(), purpose);
        ASSERT_EQ(StartConnect(sessions.back().first, purpose), 0);
        EXPECT_EQ(StateOf(sessions.back().first), STATE_CONNECTING);

        server.UseForLibrary(); // accepts, reads the request, never answers
        sessions.emplace_back(quor_create(), purpose);
        ASSERT_EQ(StartConnect(sessions.back().first, purpose), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        EXPECT_EQ(StateOf(sessions.back().first), STATE_AWAITING_REPLY);
    }

    g_fakeTick += 30999; // 30 whole seconds: not yet
    PumpFor(1100);
    EXPECT_TRUE(Recorded().empty());
    g_fakeTick += 1;
    ASSERT_TRUE(WaitForEvents(sessions.size(), 2500));
    PumpFor(1100); // and no second report at the next tick
    ASSERT_EQ(Recorded().size(), sessions.size());
    for (const auto &[h, purpose] : sessions) {
        EXPECT_NE(std::find(Recorded().begin(), Recorded().end(),
                            Ev(kPurposeSlots[purpose], h, {"10060"})),
                  Recorded().end())
            << "purpose " << purpose;
        EXPECT_EQ(StateOf(h), STATE_IDLE);
        EXPECT_EQ(StartConnect(h, purpose), 1);
        EXPECT_EQ(quor_getlasterror(), QUOR_ERR_HANDLE_IN_USE);
    }
    for (std::size_t client = 0; client < server.clientCount(); ++client) {
        EXPECT_TRUE(server.ClientClosed(3000, static_cast<int>(client)));
    }
}

TEST_F(LibraryTest, AnOpeningAnsweredInTimeIsNotFailedLater) {
    UseFakeTicks(1000);
    QUORHANDLE h = LogOn();
    g_fakeTick += 40000; // past the opening's deadline, within the silence limit
    PumpFor(1100);
    EXPECT_TRUE(Recorded().empty());
    EXPECT_EQ(StateOf(h), STATE_LOGGED_ON);
}

// Records before the answer are kept up to the cap and delivered after the
// login, in order and without waiting for more data; one more fails it.
TEST_F(LibraryTest, RecordsBeforeTheAnswerAreKeptUpToTheCap) {
    for (int before :
         {static_cast<int>(kMaxRecordsBeforeReply), static_cast<int>(kMaxRecordsBeforeReply) + 1}) {
        SCOPED_TRACE(before);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        std::vector<std::uint8_t> stream = Texts(before);
        const QuorMessage accepted = MakeRecord(200, "$server", "me");
        stream.insert(stream.end(), accepted.bytes.begin(), accepted.bytes.end());
        server.SendRaw(stream.data(), stream.size());

        std::vector<RaisedEvent> expected;
        if (before > static_cast<int>(kMaxRecordsBeforeReply)) {
            expected.push_back(Ev(QUOR_CB_LOGIN, h, {"44"}));
        } else {
            expected.push_back(Ev(QUOR_CB_LOGIN, h, {"0"}));
            for (int i = 0; i < before; ++i) {
                expected.push_back(Ev(QUOR_CB_TEXT, h, {"anna", std::to_string(i)}));
            }
        }
        ASSERT_TRUE(WaitForEvents(expected.size()));
        PumpFor(50);
        EXPECT_EQ(Recorded(), expected);
        quor_destroy(h);
    }
}

TEST_F(LibraryTest, AServerThatFloodsBeforeItsAnswerFailsTheLoginOnce) {
    QUORHANDLE h = quor_create();
    ASSERT_EQ(quor_login(h, "me", "pw"), 0);
    ASSERT_TRUE(server.AcceptOpening(0));
    const std::vector<std::uint8_t> flood = Texts(10000);
    server.TrySendRaw(flood.data(), flood.size()); // the client may hang up on it
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_TRUE(server.ClientClosed());
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(QUOR_CB_LOGIN, h, {"44"})});
    EXPECT_EQ(StateOf(h), STATE_IDLE);
    EXPECT_EQ(quor_geterrortext(44), std::string("server sent too much before its answer"));
}
