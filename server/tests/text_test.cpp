// SPDX-License-Identifier: MIT
// Private texts, broadcasts, pings and online status.
#include "server_test.h"

#include <chrono>

namespace quord::testing {
namespace {

using TextTest = ServerTest;

TEST_F(TextTest, PrivateTextReachesOnlineUser) {
    auto anna = Anna();
    auto bob = Bob();
    ASSERT_EQ(quor_sendtext(anna->handle(), "BOB", "hello bob"), 0);
    ASSERT_TRUE(bob->WaitForMore(bob->texts, 0));
    EXPECT_EQ(bob->texts[0], (NamePair{"anna", "hello bob"}));
    EXPECT_TRUE(anna->texts.empty());
}

TEST_F(TextTest, TextToNoSuchUserIsRefused) {
    auto anna = Anna();
    quor_sendtext(anna->handle(), "nobody", "hello?");
    quor_sendtext(anna->handle(), "$server", "hello?");
    ASSERT_TRUE(anna->WaitForMore(anna->textErrors, 1));
    EXPECT_EQ(anna->textErrors[0], (NameCode{"nobody", 26}));
    EXPECT_EQ(anna->textErrors[1], (NameCode{"$server", 26}));
}

TEST_F(TextTest, ForgedSenderIsReplacedByTheAccount) {
    auto bob = Bob();
    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    quor::QuorMessage text = TextRecord("bob", "trust me");
    text.setSender("boss");
    anna.Send(text);
    ASSERT_TRUE(bob->WaitForMore(bob->texts, 0));
    EXPECT_EQ(bob->texts[0], (NamePair{"anna", "trust me"}));
}

TEST_F(TextTest, BroadcastOnlyByAdministrators) {
    auto anna = Anna();
    auto bob = Bob();
    auto boss = Boss();
    ASSERT_EQ(quor_sendtext(boss->handle(), "<BROADCAST>", "maintenance at noon"), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->broadcasts, 0));
    ASSERT_TRUE(bob->WaitForMore(bob->broadcasts, 0));
    EXPECT_EQ(anna->broadcasts[0], (NamePair{"boss", "maintenance at noon"}));
    EXPECT_TRUE(boss->broadcasts.empty());

    RawClient carl(server.port());
    server.AddAccount("carl", "carl-pw");
    ASSERT_EQ(carl.Login("carl", "carl-pw"), 200);
    carl.Send(TextRecord("<broadcast>", "everyone!"));
    const auto refusal = carl.ReadId(105);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(AsErrorReply(*refusal), (ErrorReply{105, 2, "<broadcast>"}));
    quor::testing::PumpFor(50);
    EXPECT_EQ(bob->broadcasts.size(), 1u);
}

TEST_F(TextTest, PingReachesOnlineUserAndIsAnswered) {
    auto anna = Anna();
    auto bob = Bob();
    ASSERT_EQ(quor_pinguser(anna->handle(), "bob"), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->pingReplies, 0));
    EXPECT_EQ(anna->pingReplies[0], "bob");
    quor_pinguser(anna->handle(), "nobody");
    ASSERT_TRUE(anna->WaitForMore(anna->textErrors, 0));
    EXPECT_EQ(anna->textErrors[0], (NameCode{"nobody", 26}));
}

TEST_F(TextTest, IsOnlineGivesStatusAndStoredSpelling) {
    auto anna = Anna();
    auto boss = Boss();
    for (const char *name : {"ANNA", "Bob", "boss", "nobody"}) {
        quor_isonline(anna->handle(), name);
    }
    ASSERT_TRUE(anna->WaitForMore(anna->onlineStatus, 3));
    EXPECT_EQ(anna->onlineStatus[0], (NameCode{"anna", 1}));
    EXPECT_EQ(anna->onlineStatus[1], (NameCode{"bob", 2}));
    EXPECT_EQ(anna->onlineStatus[2], (NameCode{"boss", 3}));
    EXPECT_EQ(anna->onlineStatus[3], (NameCode{"nobody", 0}));
}

class PingIntervalTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--ping-interval", "1"}; }
};

TEST_F(PingIntervalTest, ServerPingsEachLoggedOnClient) {
    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    const auto ping = anna.ReadId(500, 3000);
    ASSERT_TRUE(ping);
    std::int32_t stamp = 0;
    ASSERT_TRUE(quor::ExpectFields(*ping, 500, 1, "d", {&stamp}));
    EXPECT_NEAR(stamp, static_cast<std::int32_t>(std::time(nullptr)), 5);
    EXPECT_EQ(ping->sender(), "$server");
    // The answer is taken by the server, not relayed anywhere.
    anna.Send(ClientRecord(501, "anna", "$server", "d", {stamp}));
    auto bob = Bob();
    quor::testing::PumpFor(50);
    EXPECT_TRUE(bob->pingReplies.empty());
    // Once a second, not more often.
    int pings = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
    while (std::chrono::steady_clock::now() < end) {
        pings += anna.ReadId(500, 100) ? 1 : 0;
    }
    EXPECT_GE(pings, 1);
    EXPECT_LE(pings, 3);
}

} // namespace
} // namespace quord::testing
