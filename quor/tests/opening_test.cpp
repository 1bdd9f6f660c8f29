// SPDX-License-Identifier: MIT
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

} // namespace

// Each way an opening can stall, for each purpose, runs at once on one fake
// clock: nothing before the deadline, then one failure each on the callback
// of its purpose; a session logged on in time is left alone.
TEST_F(LibraryTest, AStalledOpeningFailsItsRequestWith10060AfterThirtySeconds) {
    UseFakeTicks(0xFFFFF000u); // the deadline falls across the counter's wrap
    QUORHANDLE loggedOn = LogOn();
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
    }
    EXPECT_EQ(StateOf(loggedOn), STATE_LOGGED_ON);
    for (std::size_t client = 1; client < server.clientCount(); ++client) {
        EXPECT_TRUE(server.ClientClosed(3000, static_cast<int>(client)));
    }
}

// Records before the answer are kept up to the cap and delivered after the
// login, in order and without waiting for more data; one more, or a flood
// without an answer, fails the login once.
TEST_F(LibraryTest, RecordsBeforeTheAnswerAreKeptUpToTheCap) {
    const int cap = static_cast<int>(kMaxRecordsBeforeReply);
    const struct {
        int before;
        bool answered;
    } cases[] = {{cap, true}, {cap + 1, true}, {10000, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before);
        Recorded().clear();
        QUORHANDLE h = quor_create();
        ASSERT_EQ(quor_login(h, "me", "pw"), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        std::vector<QuorMessage> records = NumberedTexts(c.before);
        if (c.answered) {
            records.push_back(MakeRecord(200, "$server", "me"));
        }
        const std::vector<std::uint8_t> stream = Joined(records);
        server.TrySendRaw(stream.data(), stream.size()); // the client may hang up on it

        std::vector<RaisedEvent> expected{Ev(QUOR_CB_LOGIN, h, {c.before > cap ? "44" : "0"})};
        for (int i = 0; i < c.before && c.before <= cap; ++i) {
            expected.push_back(Ev(QUOR_CB_TEXT, h, {"anna", std::to_string(i)}));
        }
        ASSERT_TRUE(WaitForEvents(expected.size()));
        PumpFor(50);
        EXPECT_EQ(Recorded(), expected);
        EXPECT_EQ(StateOf(h), c.before > cap ? STATE_IDLE : STATE_LOGGED_ON);
        quor_destroy(h);
    }
}
