// SPDX-License-Identifier: MIT
// Requests without a logged-on session: account creation with its
// temporary session, and the one outstanding password request.
#include "SessionFixture.h"

#include "quor_wire/record.h"

namespace hbquor::testing {
namespace {

using AccountRequestsTest = SessionTest;

constexpr std::int32_t kAccountCreated = 211;
constexpr std::int32_t kPasswordMailed = 212;

std::optional<std::pair<std::string, std::string>> NameAndEmail(const quor::QuorMessage &record,
                                                                std::int32_t id) {
    std::string name, email;
    std::int32_t build = 0, constant = 0;
    if (!quor::ExpectFields(record, id, 1, "ssdd", {&name, &email, &build, &constant}))
        return std::nullopt;
    return std::make_pair(name, email);
}

TEST_F(AccountRequestsTest, CreateUserUsesATemporarySessionThatTheAnswerRemoves) {
    ASSERT_EQ(central.CreateUser("newbie", "new@example.org"), 0);
    ThbQuorUnit *temporary = central.FindByName("newbie");
    ASSERT_NE(temporary, nullptr);
    EXPECT_TRUE(temporary->IsIdle());
    EXPECT_NE(temporary->Handle(), nullptr);
    EXPECT_EQ(temporary->Email(), "new@example.org");

    auto opening = server.AcceptOpening(kAccountCreated);
    ASSERT_TRUE(opening);
    auto fields = NameAndEmail(*opening, 5);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->first, "newbie");
    EXPECT_EQ(fields->second, "new@example.org");

    ASSERT_TRUE(AwaitEvent("CreateUserResult 0 newbie new@example.org "));
    EXPECT_FALSE(central.HasLogin("newbie"));
    EXPECT_TRUE(central.Sessions().empty());
}

TEST_F(AccountRequestsTest, ARefusedAccountReportsTheTranslatedCode) {
    ASSERT_EQ(central.CreateUser("taken", "t@example.org"), 0);
    ASSERT_TRUE(server.AcceptOpening(0));
    server.Send(quor::testing::MakeRecord(129, "$server", "taken", "ds",
                                          {std::int32_t{5}, std::string_view("taken")}));
    ASSERT_TRUE(AwaitEvent("CreateUserResult 35 taken t@example.org name taken"));
    EXPECT_FALSE(central.HasLogin("taken"));
}

TEST_F(AccountRequestsTest, CreateUserIsRefusedForABusySession) {
    ASSERT_EQ(central.Login("alice", "secret"), 0);
    EXPECT_EQ(central.CreateUser("alice", "a@example.org"), -1);
    EXPECT_EQ(central.Sessions().size(), 1u);
}

TEST_F(AccountRequestsTest, OnePasswordRequestAtATime) {
    ASSERT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
    EXPECT_NE(central.PasswordRequestHandle(), nullptr);
    EXPECT_EQ(central.PasswordRequestName(), "bob");
    EXPECT_EQ(central.PasswordRequestEmail(), "bob@example.org");
    EXPECT_EQ(central.RequestPassword("carol", "c@example.org"), -1);

    auto opening = server.AcceptOpening(kPasswordMailed);
    ASSERT_TRUE(opening);
    auto fields = NameAndEmail(*opening, 6);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->first, "bob");
    ASSERT_TRUE(AwaitEvent("PasswordRequestResult 0 bob bob@example.org "));
    EXPECT_EQ(central.PasswordRequestHandle(), nullptr);
    EXPECT_EQ(central.PasswordRequestName(), "");
    EXPECT_EQ(central.PasswordRequestEmail(), "");
    EXPECT_TRUE(central.Sessions().empty());
    // Free again for the next request.
    EXPECT_EQ(central.RequestPassword("carol", "c@example.org"), 0);
}

// The ways an account request's connection can end without a complete
// answer, for both kinds of request: each fails with the connection error,
// frees the request and leaves a logged-on session alone.
struct LostAnswer {
    const char *name;
    // What the server does after reading the opening request.
    void (*serverEnds)(quor::testing::ScriptedServer &server);
    // Whether the session layer must wait for the answer time-out.
    bool needsTimeout;
};

void PrintTo(const LostAnswer &end, std::ostream *out) {
    *out << end.name;
}

class LostAccountAnswerTest : public SessionTest, public ::testing::WithParamInterface<LostAnswer> {
protected:
    void SetUp() override {
        SessionTest::SetUp();
        central.SetClock([this] { return now; });
        alice = LogIn("alice");
        ASSERT_TRUE(alice);
        events.Clear();
    }

    // Lets the server end the connection its way; then, if the library
    // reports nothing, lets the answer time-out pass.
    void EndWithoutAnswer() {
        ASSERT_TRUE(server.AcceptOpening(0));
        GetParam().serverEnds(server);
        PumpFor(100, PumpPending);
        if (!GetParam().needsTimeout)
            return;
        now += kAccountAnswerTimeout - std::chrono::seconds(1);
        PumpFor(20, PumpPending);
        EXPECT_FALSE(events.lines().size() > 0) << "ended before its time-out";
        now += std::chrono::seconds(1);
    }

    std::chrono::steady_clock::time_point now{};
    ThbQuorUnit *alice = nullptr;
};

TEST_P(LostAccountAnswerTest, AnAccountCreationFailsAndItsTemporarySessionGoes) {
    ASSERT_EQ(central.CreateUser("newbie", "new@example.org"), 0);
    EndWithoutAnswer();
    ASSERT_TRUE(AwaitEvent("AccountRequestLost CreateUser 5 newbie new@example.org "
                           "connection could not be established"));
    EXPECT_FALSE(central.HasLogin("newbie"));
    EXPECT_EQ(central.Sessions().size(), 1u);
    EXPECT_TRUE(alice->IsConnected());
    EXPECT_EQ(events.lines().size(), 1u) << events.lines().back();
}

TEST_P(LostAccountAnswerTest, APasswordRequestFailsAndTheNextOneIsPossible) {
    ASSERT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
    EndWithoutAnswer();
    ASSERT_TRUE(AwaitEvent("AccountRequestLost RequestPassword 5 bob bob@example.org "
                           "connection could not be established"));
    EXPECT_EQ(central.PasswordRequestHandle(), nullptr);
    EXPECT_TRUE(alice->IsConnected());
    EXPECT_EQ(events.lines().size(), 1u) << events.lines().back();
    EXPECT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LostAccountAnswerTest,
    ::testing::Values(LostAnswer{"ClosedWithoutAnswer",
                                 [](quor::testing::ScriptedServer &s) { s.Close(); }, false},
                      LostAnswer{"AnswerCutShortThenClosed",
                                 [](quor::testing::ScriptedServer &s) {
                                     const std::string part(100, '\x01');
                                     s.SendRaw(part.data(), part.size());
                                     s.Close();
                                 },
                                 false},
                      LostAnswer{"NeverAnswered", [](quor::testing::ScriptedServer &) {}, true}),
    [](const ::testing::TestParamInfo<LostAnswer> &info) { return info.param.name; });

TEST_F(AccountRequestsTest, ALostRequestReachesTheResultEventWhenNothingElseListens) {
    central.SetOnAccountRequestLost(nullptr);
    ASSERT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
    ASSERT_TRUE(server.AcceptOpening(0));
    server.Close();
    ASSERT_TRUE(AwaitEvent(
        "PasswordRequestResult 5 bob bob@example.org connection could not be established"));
}

TEST_F(AccountRequestsTest, AnAnsweredRequestIsNotEndedAgainByTheTimeOut) {
    auto now = std::chrono::steady_clock::time_point{};
    central.SetClock([&] { return now; });
    ASSERT_EQ(central.CreateUser("newbie", "new@example.org"), 0);
    ASSERT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
    ASSERT_TRUE(server.AcceptOpening(kAccountCreated));
    ASSERT_TRUE(server.AcceptOpening(kPasswordMailed));
    ASSERT_TRUE(AwaitEvent("PasswordRequestResult 0 bob bob@example.org "));
    ASSERT_TRUE(AwaitEvent("CreateUserResult 0 newbie new@example.org "));
    now += 2 * kAccountAnswerTimeout;
    PumpFor(20, PumpPending);
    EXPECT_EQ(events.lines().size(), 2u);
}

TEST_F(AccountRequestsTest, APasswordAnswerWithoutARequestDoesNothing) {
    ClbReqPassword(nullptr, 0);
    EXPECT_TRUE(events.lines().empty());
    // With one outstanding, the handle of the answer is not compared.
    ASSERT_EQ(central.RequestPassword("bob", "bob@example.org"), 0);
    ClbReqPassword(reinterpret_cast<QUORHANDLE>(0x1234), 38);
    EXPECT_TRUE(
        events.Has("PasswordRequestResult 38 bob bob@example.org password sent too recently"));
    EXPECT_EQ(central.PasswordRequestHandle(), nullptr);
}

} // namespace
} // namespace hbquor::testing
