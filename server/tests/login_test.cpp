// SPDX-License-Identifier: MIT
// Logging on, and the texts stored for users who were offline.
#include "server_test.h"

namespace quord::testing {
namespace {

using LoginTest = ServerTest;

TEST_F(LoginTest, AcceptsUsersAndAdministratorsWithTheirOwnReply) {
    RawClient user(server.port());
    EXPECT_EQ(user.Login("anna", "anna-pw"), 200);
    RawClient admin(server.port());
    EXPECT_EQ(admin.Login("BOSS", "boss-pw"), 201);
    const auto welcome = admin.Read();
    ASSERT_TRUE(welcome);
    EXPECT_EQ(welcome->id(), 600);
    EXPECT_FALSE(welcome->rawText().empty());
}

TEST_F(LoginTest, LibraryLoginGetsWelcomeText) {
    auto anna = Anna();
    ASSERT_EQ(anna->welcomes.size(), 1u);
    EXPECT_NE(anna->welcomes[0].find("Welcome"), std::string::npos);
}

TEST_F(LoginTest, RefusesUnknownNamesAndWrongPasswords) {
    TestClient wrong;
    EXPECT_EQ(wrong.Login("anna", "nope"), 3);
    TestClient unknown;
    EXPECT_EQ(unknown.Login("nobody", "anna-pw"), 3);
    EXPECT_NE(server.Log().find("refused request 1"), std::string::npos);
}

TEST_F(LoginTest, RefusesUserWhoIsAlreadyOnlineInAnySpelling) {
    auto anna = Anna();
    TestClient second;
    EXPECT_EQ(second.Login("ANNA", "anna-pw"), 4);
    EXPECT_FALSE(anna->disconnected);
}

TEST_F(LoginTest, RefusesOtherApiBuildAndCloses) {
    RawClient old(server.port());
    EXPECT_EQ(old.Login("anna", "anna-pw", 13), 113);
    EXPECT_TRUE(old.WaitClosed());
}

TEST_F(LoginTest, RefusedAnswerNamesTheRequestAndUser) {
    RawClient client(server.port());
    client.Send(ClientRecord(1, "anna", "", "ssdd", {"anna", "bad", 14, 1}));
    const auto answer = client.Read();
    ASSERT_TRUE(answer);
    EXPECT_EQ(AsErrorReply(*answer), (ErrorReply{100, 1, "anna"}));
    EXPECT_TRUE(client.WaitClosed());
}

TEST_F(LoginTest, OfflineTextsArriveOldestFirstOnceAtNextLogin) {
    {
        auto anna = Anna();
        ASSERT_EQ(quor_sendtext(anna->handle(), "bob", "first"), 0);
        ASSERT_EQ(quor_sendtext(anna->handle(), "BOB", "second"), 0);
        quor::testing::PumpFor(100);
        EXPECT_TRUE(anna->textErrors.empty());
    }
    const auto before = static_cast<int>(std::time(nullptr));
    {
        auto bob = Bob();
        ASSERT_TRUE(bob->WaitForMore(bob->offlineTexts, 1));
        EXPECT_EQ(bob->offlineTexts[0][0], "anna");
        EXPECT_EQ(bob->offlineTexts[0][2], "first");
        EXPECT_EQ(bob->offlineTexts[1][2], "second");
        EXPECT_LE(std::stoi(bob->offlineTexts[0][1]), before);
        EXPECT_GT(std::stoi(bob->offlineTexts[0][1]), before - 60);
    }
    auto again = Bob();
    quor::testing::PumpFor(100);
    EXPECT_TRUE(again->offlineTexts.empty());
}

TEST_F(LoginTest, OfflineTextsSurviveARestart) {
    {
        auto anna = Anna();
        ASSERT_EQ(quor_sendtext(anna->handle(), "bob", "kept over a restart"), 0);
        quor::testing::PumpFor(100);
    }
    EXPECT_EQ(server.Stop(), 0);
    ASSERT_TRUE(server.Start()) << server.Log();
    server.UseForLibrary();
    auto bob = Bob();
    ASSERT_TRUE(bob->WaitForMore(bob->offlineTexts, 0));
    EXPECT_EQ(bob->offlineTexts[0][2], "kept over a restart");
}

TEST_F(LoginTest, OfflineQueueHoldsFiftyTextsTenFromEachSender) {
    // Each sender's eleventh is refused as if the queue were full; the
    // others still get through until it is.
    for (const std::string name : {"carl", "dora", "emil", "fay"}) {
        server.AddAccount(name, name + "-pw");
    }
    for (const std::string name : {"anna", "boss", "carl", "dora", "emil", "fay"}) {
        auto sender = LogOn(name, name + "-pw");
        const bool full = name == "fay";
        for (int i = 0; i < (full ? 1 : 11); ++i) {
            quor_sendtext(sender->handle(), "bob", (name + " " + std::to_string(i)).c_str());
        }
        ASSERT_TRUE(sender->WaitForMore(sender->textErrors, 0)) << name;
        quor::testing::PumpFor(50);
        EXPECT_EQ(sender->textErrors, (std::vector<NameCode>{{"bob", 27}})) << name;
    }
    auto bob = Bob();
    ASSERT_TRUE(bob->WaitForMore(bob->offlineTexts, 49));
    quor::testing::PumpFor(100);
    EXPECT_EQ(bob->offlineTexts.size(), 50u);
    EXPECT_EQ(bob->offlineTexts.back()[2], "emil 9");
}

TEST_F(LoginTest, StopsCleanlyOnTerminate) {
    auto anna = Anna();
    EXPECT_EQ(server.Stop(), 0);
    EXPECT_TRUE(PumpUntil([&] { return anna->disconnected; }, 3000));
    EXPECT_NE(server.Log().find("stopped"), std::string::npos);
}

} // namespace
} // namespace quord::testing
