// SPDX-License-Identifier: MIT
// Requests about users and the account, as the server receives them, and
// the events their answers raise.
#include "SessionFixture.h"

#include "quor_wire/record.h"

#include <ctime>

namespace hbquor::testing {
namespace {

using UserRequestsTest = ConnectedTest;

TEST_F(UserRequestsTest, PingAndIsOnlineReachTheServerAndTheirAnswersTheWindows) {
    ASSERT_EQ(central.PingUser("alice", " bob "), 0);
    auto ping = NextRecord();
    ASSERT_TRUE(ping);
    EXPECT_EQ(ping->id(), 500);
    EXPECT_EQ(ping->recipient(), "bob");
    std::int32_t sent = static_cast<std::int32_t>(std::time(nullptr)) - 3;
    server.Send(quor::testing::MakeRecord(501, "bob", "alice", "d", {sent}));
    ASSERT_TRUE(PumpUntil(
        [&] { return events.Has("PingReply alice bob 3") || events.Has("PingReply alice bob 4"); },
        3000, PumpPending));

    ASSERT_EQ(central.IsOnline("alice", "carol"), 0);
    auto question = NextRecord();
    ASSERT_TRUE(question);
    std::string asked;
    ASSERT_TRUE(quor::ExpectFields(*question, 307, 1, "s", {&asked}));
    EXPECT_EQ(asked, "carol");
    server.Send(quor::testing::MakeRecord(405, "$server", "alice", "sc",
                                          {std::string_view("Carol"), std::uint8_t{2}}));
    ASSERT_TRUE(AwaitEvent("UserStatus alice Carol 2"));
}

TEST_F(UserRequestsTest, ProfileRequestsPassTheirArgumentsUnchanged) {
    ASSERT_EQ(central.RequestUserProfile("alice", " bob"), 0);
    auto request = NextRecord();
    ASSERT_TRUE(request);
    std::string name;
    ASSERT_TRUE(quor::ExpectFields(*request, 305, 1, "s", {&name}));
    EXPECT_EQ(name, " bob");

    ASSERT_EQ(central.ModifyUserProfile("alice", "bob", "pw", "b@example.org", 1, 1), 0);
    auto modify = NextRecord();
    ASSERT_TRUE(modify);
    std::string user, password, email;
    std::int32_t userType = -1, created = 0, lastLogin = -1, selfCreated = -1, disabled = -1;
    ASSERT_TRUE(quor::ExpectFields(
        *modify, 403, 1, "sssddddd",
        {&user, &password, &email, &userType, &created, &lastLogin, &selfCreated, &disabled}));
    EXPECT_EQ(user, "bob");
    EXPECT_EQ(password, "pw");
    EXPECT_EQ(email, "b@example.org");
    EXPECT_EQ(userType, 1);
    EXPECT_EQ(disabled, 1);

    ASSERT_EQ(central.InviteUser("alice", " #club ", " dave"), 0);
    auto invite = NextRecord();
    ASSERT_TRUE(invite);
    std::string channel, invited;
    ASSERT_TRUE(quor::ExpectFields(*invite, 317, 1, "ss", {&channel, &invited}));
    EXPECT_EQ(channel, "#club");
    EXPECT_EQ(invited, " dave");
    EXPECT_EQ(central.InviteUser("alice", "club", "dave"), -1);
}

TEST_F(UserRequestsTest, AnswersRaiseTheirEvents) {
    central.SetTimeMode(kTimeModeUtc);
    server.Send(quor::testing::MakeRecord(
        403, "$server", "alice", "sssddddd",
        {std::string_view("bob"), std::string_view("pw"), std::string_view("b@example.org"),
         std::int32_t{0}, std::int32_t{0}, std::int32_t{43200}, std::int32_t{1}, std::int32_t{0}}));
    ASSERT_TRUE(
        AwaitEvent("UserProfile alice 0  bob pw b@example.org 0 25569.000000 25569.500000 1 0"));
    // Another user's profile leaves the session alone.
    EXPECT_EQ(alice->Password(), "secret");

    server.Send(quor::testing::MakeRecord(202, "$server", "alice", "s", {std::string_view("bob")}));
    ASSERT_TRUE(AwaitEvent("ProfileChanged alice 0 bob "));
    quor::QuorMessage accepted = quor::testing::MakeRecord(210, "$server", "alice");
    accepted.setRawText("dave");
    server.Send(accepted);
    ASSERT_TRUE(AwaitEvent("InviteResult alice 0 dave "));
    server.Send(quor::testing::MakeRecord(103, "$server", "alice", "ds",
                                          {std::int32_t{305}, std::string_view("zed")}));
    ASSERT_TRUE(PumpUntil(
        [&] {
            return !events.lines().empty() &&
                   events.lines().back().rfind("UserProfile alice 20 no such user <none>", 0) == 0;
        },
        3000, PumpPending));
}

} // namespace
} // namespace hbquor::testing
