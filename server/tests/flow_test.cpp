// SPDX-License-Identifier: MIT
// Floods from logged-on clients: a record budget per client, senders paused
// rather than slow recipients dropped, channels that do not wait for a
// member that reads too slowly, clients that have gone, and how many
// sessions one address may hold.
#include "quor_wire/protocol_ids.h"
#include "server_test.h"

#include <sys/socket.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace quord::testing {
namespace {

using namespace quor::wire;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

quor::QuorMessage ServerPing(std::string_view from) {
    return ClientRecord(kPing, from, kServerName, "d", {1});
}

quor::QuorMessage JoinRecord(std::string_view from, std::string_view channel) {
    return ClientRecord(kChannelRequest, from, kServerName, "dsds", {kJoinChannel, channel, 0, ""});
}

// A logged-on client that never reads, its receive buffer as small as the
// kernel allows.
std::unique_ptr<RawClient> NonReader(int port, const std::string &user,
                                     const std::string &password) {
    auto client = std::make_unique<RawClient>(port);
    const int small = 1;
    setsockopt(client->fd(), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    EXPECT_EQ(client->Login(user, password), 200);
    return client;
}

// Reads texts on another thread until `expected` have come or none came
// for a few seconds; the future tells how many came.
std::future<std::size_t> CountTexts(RawClient &client, std::size_t expected) {
    return std::async(std::launch::async, [&client, expected] {
        std::size_t count = 0;
        while (count < expected && client.ReadId(kText, 5000)) {
            ++count;
        }
        return count;
    });
}

class BudgetTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--rate-burst", "20", "--rate-per-second", "100"};
    }
};

TEST_F(BudgetTest, RecordsBeyondTheBudgetWaitInTheSocketAndAreServedAtItsRate) {
    RawClient anna(server.port());
    RawClient bob(server.port());
    RawClient boss(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    ASSERT_EQ(boss.Login("boss", "boss-pw"), 201);
    constexpr std::size_t kTexts = 200;
    const auto start = Clock::now();
    ASSERT_EQ(bob.Flood(TextRecord("anna", "flood"), kTexts, 3000), kTexts);
    // Another user is served meanwhile.
    ASSERT_TRUE(boss.Send(ServerPing("boss")));
    EXPECT_TRUE(boss.ReadId(kPingReply, 1000));
    std::vector<double> arrivals;
    while (arrivals.size() < kTexts && anna.ReadId(kText, 5000)) {
        arrivals.push_back(SecondsSince(start));
    }
    ASSERT_EQ(arrivals.size(), kTexts); // paused, not dropped: every text came
    // Text n can come no sooner than bob's bucket has earned it: its burst
    // at once, then 100 a second.
    double earliest = 0;
    for (std::size_t n = 1; n <= kTexts; ++n) {
        earliest = std::max(earliest, (static_cast<double>(n) - 20) / 100 - arrivals[n - 1]);
    }
    EXPECT_LE(earliest, 0.01);
    EXPECT_FALSE(Logged("closed"));
}

// The budget out of the way, so that only congestion holds anyone back.
class CongestionTest : public ServerTest {
protected:
    std::vector<std::string> ExtraArguments() const override {
        return {"--rate-burst", "1000000", "--rate-per-second", "1000000"};
    }
};

TEST_F(CongestionTest, ASenderToAClientThatDoesNotReadIsPausedAndNoTextIsLost) {
    // anna reads later, so her buffers keep their usual size: a window
    // shrunk to nothing would open again only slowly.
    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    RawClient bob(server.port());
    RawClient boss(server.port());
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    ASSERT_EQ(boss.Login("boss", "boss-pw"), 201);
    constexpr std::size_t kAsked = 1000000;
    const std::size_t sent = bob.Flood(TextRecord("anna", std::string(399, 'x')), kAsked, 2000);
    EXPECT_LT(sent, kAsked);
    // quord reads bob no more: what bob sent is not even acknowledged.
    const int unacknowledged = bob.Unacknowledged();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_GT(unacknowledged, 0);
    EXPECT_EQ(bob.Unacknowledged(), unacknowledged);
    ASSERT_TRUE(boss.Send(ServerPing("boss")));
    EXPECT_TRUE(boss.ReadId(kPingReply, 1000));

    // Once anna reads, bob is read again, and every text reaches her.
    auto texts = CountTexts(anna, sent);
    ASSERT_TRUE(bob.Send(ServerPing("bob")));
    EXPECT_TRUE(bob.ReadId(kPingReply, 10000));
    EXPECT_EQ(texts.get(), sent);
    EXPECT_FALSE(Logged("closed"));
}

TEST_F(CongestionTest, AChannelMemberThatDoesNotReadMissesTextsAndHoldsNobodyUp) {
    auto anna = NonReader(server.port(), "anna", "anna-pw");
    ASSERT_TRUE(anna->Send(JoinRecord("anna", "#room")));
    RawClient bob(server.port());
    RawClient boss(server.port());
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    ASSERT_EQ(boss.Login("boss", "boss-pw"), 201);
    for (RawClient *member : {&bob, &boss}) {
        ASSERT_TRUE(member->Send(JoinRecord("", "#room")));
        ASSERT_TRUE(member->ReadId(kChannelInfo));
    }
    constexpr std::size_t kTexts = 20000;
    auto texts = CountTexts(bob, kTexts);
    EXPECT_EQ(boss.Flood(TextRecord("#room", std::string(399, 'y')), kTexts, 20000), kTexts);
    EXPECT_EQ(texts.get(), kTexts);
    ASSERT_EQ(server.Stop(), 0);
    EXPECT_TRUE(Logged("channel texts in the last")) << server.Log();
    EXPECT_TRUE(Logged("reading too slowly: connection"));
    EXPECT_FALSE(Logged("read nothing"));
}

// Pings every second: a session is closed after 3 s without answers.
class PingTimeoutTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--ping-interval", "1", "--rate-burst", "1000000", "--rate-per-second", "1000000"};
    }
};

TEST_F(PingTimeoutTest, ASessionThatAnswersNoPingIsClosedAfterThreeIntervals) {
    auto bob = Bob(); // the library answers every ping
    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    const auto start = Clock::now();
    ASSERT_TRUE(PumpUntil([&] { return Logged("(anna) logged off"); }, 8000));
    EXPECT_GE(SecondsSince(start), 2.0);
    EXPECT_TRUE(Logged("answered none of the last 3 pings"));
    EXPECT_FALSE(bob->disconnected);
    EXPECT_FALSE(Logged("(bob) logged off"));
}

TEST_F(PingTimeoutTest, AClientThatReadsNothingIsClosedOnceItsOutputStalledThatLong) {
    // anna answers pings without reading them; her answers wait unread
    // while her output is congested, so the ping rule does not apply.
    auto anna = NonReader(server.port(), "anna", "anna-pw");
    RawClient bob(server.port());
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    std::atomic<bool> stop = false;
    std::thread answers([&] {
        while (!stop && anna->Send(ClientRecord(kPingReply, "anna", kServerName, "d", {1}))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
        }
    });
    const auto start = Clock::now();
    bob.Flood(TextRecord("anna", std::string(399, 'x')), 1000000, 1000);
    ASSERT_TRUE(PumpUntil([&] { return Logged("(anna) logged off"); }, 10000));
    stop = true;
    answers.join();
    EXPECT_GE(SecondsSince(start), 2.5);
    // quord's own check or the kernel's (TCP_USER_TIMEOUT), whichever came first.
    EXPECT_TRUE(Logged("read nothing for 3 s") || Logged("Connection timed out")) << server.Log();
    // bob, paused meanwhile, is served again.
    ASSERT_TRUE(bob.Send(ServerPing("bob")));
    EXPECT_TRUE(bob.ReadId(kPingReply, 10000));
}

TEST_F(PingTimeoutTest, ALogonReplacesASessionThatLeftItsLastPingUnanswered) {
    RawClient stale(server.port());
    ASSERT_EQ(stale.Login("anna", "anna-pw"), 200);
    auto bob = Bob();
    quor_addcontact(bob->handle(), "anna");
    quor_updatecontacts(bob->handle());
    ASSERT_TRUE(stale.ReadId(kPing)); // left unanswered
    auto anna = Anna();
    EXPECT_TRUE(stale.WaitClosed());
    EXPECT_TRUE(Logged("is replaced by a logon from 127.0.0.1"));
    ASSERT_TRUE(PumpUntil([&] { return bob->contactStatus.size() >= 3; }, 3000));
    EXPECT_EQ(bob->contactStatus, (std::vector<NameCode>{{"anna", 1}, {"anna", 2}, {"anna", 1}}));
    ASSERT_EQ(quor_sendtext(bob->handle(), "anna", "to the new one"), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->texts, 0));
    EXPECT_EQ(anna->texts[0], (NamePair{"bob", "to the new one"}));
}

class SessionsPerAddressTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--max-sessions-per-address", "21", "--log-per-address", "0"};
    }
};

TEST_F(SessionsPerAddressTest, LoggedOnSessionsLeaveRoomForConnectionsThatHaveNot) {
    for (int i = 0; i <= 20; ++i) {
        server.AddAccount("user" + std::to_string(i), "user-pw");
    }
    const char *from = "127.0.0.5";
    std::vector<std::unique_ptr<RawClient>> sessions;
    for (int i = 0; i < 20; ++i) {
        sessions.push_back(std::make_unique<RawClient>(server.port(), from));
        ASSERT_EQ(sessions.back()->Login("user" + std::to_string(i), "user-pw"), 200) << i;
    }
    std::vector<std::unique_ptr<RawClient>> idle;
    for (int i = 0; i < 16; ++i) {
        idle.push_back(std::make_unique<RawClient>(server.port(), from));
    }
    RawClient extra(server.port(), from);
    EXPECT_TRUE(extra.WaitClosed());
    EXPECT_TRUE(Logged("16 connections from 127.0.0.5 that have not logged on"));
    EXPECT_EQ(idle[0]->Login("user20", "user-pw"), 200);
    EXPECT_EQ(idle[1]->Login("anna", "anna-pw"), 100);
    EXPECT_TRUE(Logged("the most sessions from 127.0.0.5 already"));
}

} // namespace
} // namespace quord::testing
