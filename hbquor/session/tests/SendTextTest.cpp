// SPDX-License-Identifier: MIT
// Sending texts: the pieces the server receives, control characters, and
// the refusals without a connection.
#include "SessionFixture.h"

#include "quor_wire/record.h"

namespace hbquor::testing {
namespace {

using SendTextTest = SessionTest;
using ::testing::ElementsAre;

class ConnectedSendTextTest : public ConnectedTest {
protected:
    // The texts of the next n records, which must all be texts to bob.
    std::vector<std::string> ReceivedTexts(std::size_t n) {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < n; ++i) {
            auto record = NextRecord();
            if (!record) {
                ADD_FAILURE() << "text piece " << i << " never arrived";
                break;
            }
            EXPECT_EQ(record->id(), 2);
            EXPECT_EQ(record->recipient(), "bob");
            EXPECT_EQ(record->sender(), "alice");
            texts.push_back(record->rawText());
        }
        return texts;
    }
};

TEST_F(ConnectedSendTextTest, ALongTextArrivesWholeInPiecesOf399) {
    const std::string text(1000, 'x');
    ASSERT_EQ(central.SendText("alice", " bob ", text), 0);
    auto pieces = ReceivedTexts(3);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), 399u);
    EXPECT_EQ(pieces[1].size(), 399u);
    EXPECT_EQ(pieces[2].size(), 202u);
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], text);
    EXPECT_TRUE(server.Silent());
}

TEST_F(ConnectedSendTextTest, ALongUtf8TextArrivesWithoutTornCharacters) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "\u00e4";
    ASSERT_EQ(central.SendText("alice", "bob", text), 0);
    auto pieces = ReceivedTexts(6);
    ASSERT_EQ(pieces.size(), 6u);
    EXPECT_EQ(pieces[0].size(), 398u);
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2] + pieces[3] + pieces[4] + pieces[5], text);
    EXPECT_TRUE(server.Silent());
}

TEST_F(ConnectedSendTextTest, PiecesEndAtSeparators) {
    std::string text = std::string(389, 'a') + ", " + std::string(100, 'b');
    ASSERT_EQ(central.SendText("alice", "bob", text), 0);
    // The blank after the comma is the last separator within the limit.
    EXPECT_THAT(ReceivedTexts(2), ElementsAre(std::string(389, 'a') + ", ", std::string(100, 'b')));
}

TEST_F(ConnectedSendTextTest, LineBreaksTravelAsBlanksAndTabsStay) {
    ASSERT_EQ(central.SendText("alice", "bob", "one\r\ntwo\tthree\x07"), 0);
    EXPECT_THAT(ReceivedTexts(1), ElementsAre("one  two\tthree "));
}

TEST_F(ConnectedSendTextTest, RefusedWithoutSending) {
    EXPECT_EQ(central.SendText("alice", "Alice", "to myself"), -1);
    EXPECT_EQ(central.SendText("alice", "bob", ""), -1);
    EXPECT_EQ(central.SendText("alice", " \t", "to nobody"), -1);
    EXPECT_EQ(central.SendText("nobody", "bob", "hello"), -1);
    EXPECT_TRUE(server.Silent());
    EXPECT_TRUE(events.errors().empty());
}

TEST_F(SendTextTest, NothingIsSentWithoutAConnection) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    EXPECT_EQ(central.SendText("alice", "bob", "hello"), -1);
    EXPECT_EQ(central.FindByName("alice")->SendText("bob", "hello"), -1);
    EXPECT_TRUE(events.errors().empty());
}

TEST_F(ConnectedSendTextTest, IncomingTextsRaiseTheirEvents) {
    server.Send(quor::testing::MakeText("bob", "alice", "hi there"));
    ASSERT_TRUE(AwaitEvent("Text alice bob hi there"));
    server.Send(quor::testing::MakeText("bob", "#lobby", "hello all"));
    ASSERT_TRUE(AwaitEvent("ChannelText alice #lobby bob hello all"));
    server.Send(quor::testing::MakeText("admin", "<broadcast>", "maintenance"));
    ASSERT_TRUE(AwaitEvent("Broadcast alice admin maintenance"));
    // Offline texts carry their time, converted by the time mode.
    server.Send(quor::testing::MakeRecord(4, "bob", "alice", "sd",
                                          {std::string_view("later"), std::int32_t{7200}}));
    ASSERT_TRUE(AwaitEvent("OfflineText alice bob later 25569.000000"));
    central.SetTimeMode(kTimeModeUtc);
    server.Send(quor::testing::MakeRecord(4, "bob", "alice", "sd",
                                          {std::string_view("utc"), std::int32_t{7200}}));
    ASSERT_TRUE(AwaitEvent("OfflineText alice bob utc 25569.083333"));
    // A refusal of a text comes back on its own.
    server.Send(quor::testing::MakeRecord(101, "$server", "alice", "ds",
                                          {std::int32_t{2}, std::string_view("bob")}));
    ASSERT_TRUE(AwaitEvent("TextFailed alice 26 bob user unavailable"));
}

} // namespace
} // namespace hbquor::testing
