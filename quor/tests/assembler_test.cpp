// SPDX-License-Identifier: MIT
// Cutting the received byte stream into records.
#include "receive_assembler.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

using namespace quor;
using quor::testing::Joined;
using quor::testing::MakeRecord;
using quor::testing::NumberedTexts;

TEST(ReceiveAssembler, RecordSplitOverThreeReadsIsQueuedOnTheThird) {
    ReceiveAssembler a;
    const QuorMessage m = MakeRecord(600, "$server", "me", "s", {"hello"});
    a.feed(m.bytes.data(), 100);
    a.feed(m.bytes.data() + 100, 300);
    EXPECT_TRUE(a.queue().empty());
    a.feed(m.bytes.data() + 400, 76);
    ASSERT_EQ(a.queue().size(), 1u);
    EXPECT_EQ(a.queue().front().bytes, m.bytes);
}

TEST(ReceiveAssembler, BytesBeyondOneRecordStartTheNext) {
    ReceiveAssembler a;
    const QuorMessage first = MakeRecord(405, "$server", "me", "sc", {"anna", std::uint8_t{1}});
    const QuorMessage second = MakeRecord(408, "$server", "me", "sc", {"bob", std::uint8_t{2}});
    std::vector<std::uint8_t> stream(first.bytes.begin(), first.bytes.end());
    stream.insert(stream.end(), second.bytes.begin(), second.bytes.end());
    a.feed(stream.data(), 300);
    a.feed(stream.data() + 300, 476); // completes the first, starts the second
    ASSERT_EQ(a.queue().size(), 1u);
    a.feed(stream.data() + 776, 176);
    ASSERT_EQ(a.queue().size(), 2u);
    EXPECT_EQ(a.queue().back().id(), 408);
}

TEST(ReceiveAssembler, NameFieldsAreTerminatedBeforeAnythingReadsThem) {
    ReceiveAssembler a;
    QuorMessage m;
    m.bytes.fill('w');
    m.setId(2);
    a.feed(m.bytes.data(), kRecordSize);
    ASSERT_EQ(a.queue().size(), 1u);
    EXPECT_EQ(a.queue().front().sender(), std::string(31, 'w'));
    EXPECT_EQ(a.queue().front().bytes[kRecipientOffset + 31], 0);
}

TEST(ReceiveAssembler, LoginRepliesSetTheFlagsAndOnlyAcceptancesAreConsumed) {
    for (int accepted : {200, 201}) {
        ReceiveAssembler a;
        const QuorMessage m = MakeRecord(accepted, "$server", "");
        a.feed(m.bytes.data(), kRecordSize);
        EXPECT_TRUE(a.replied());
        EXPECT_TRUE(a.accepted());
        EXPECT_TRUE(a.queue().empty());
    }
    for (int refused : {100, 107, 113}) {
        ReceiveAssembler a;
        const QuorMessage m = MakeRecord(refused, "$server", "", "ds", {std::int32_t{1}, "me"});
        a.feed(m.bytes.data(), kRecordSize);
        EXPECT_TRUE(a.replied());
        EXPECT_FALSE(a.accepted());
        EXPECT_EQ(a.replyCode(), refused);
        EXPECT_EQ(a.queue().size(), 1u);
    }
    ReceiveAssembler other;
    const QuorMessage m = MakeRecord(101, "$server", "", "ds", {std::int32_t{2}, "x"});
    other.feed(m.bytes.data(), kRecordSize);
    EXPECT_FALSE(other.replied());
    EXPECT_EQ(other.queue().size(), 1u);
}

TEST(RecordQueue, KeepsOrderWhileReclaimingTakenRecords) {
    RecordQueue queue;
    std::int32_t nextIn = 0, nextOut = 0;
    // Uneven runs of adding and taking exercise every reclaiming path.
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < round % 7 + 1; ++i) {
            QuorMessage m;
            m.setId(nextIn++);
            queue.push_back(m);
        }
        for (int i = 0; i < round % 5 + 1 && !queue.empty(); ++i) {
            ASSERT_EQ(queue.front().id(), nextOut++);
            queue.pop_front();
        }
        ASSERT_EQ(queue.size(), static_cast<std::size_t>(nextIn - nextOut));
    }
    while (!queue.empty()) {
        ASSERT_EQ(queue.front().id(), nextOut++);
        queue.pop_front();
    }
    EXPECT_EQ(nextOut, nextIn);
}

// A server that floods the client before answering cannot make it keep more
// than the cap, however the bytes arrive; its answer lifts the cap.
TEST(ReceiveAssembler, KeepsNoMoreThanTheCapBeforeAReply) {
    const std::vector<std::uint8_t> flood = Joined(NumberedTexts(10000));
    for (std::size_t piece : {kRecordSize, std::size_t{1000}, flood.size()}) {
        ReceiveAssembler a;
        for (std::size_t at = 0; at < flood.size(); at += piece) {
            a.feed(flood.data() + at, std::min(piece, flood.size() - at));
        }
        EXPECT_EQ(a.queue().size(), kMaxRecordsBeforeReply) << piece;
        EXPECT_TRUE(a.overflowed()) << piece;
    }
    ReceiveAssembler answered;
    const QuorMessage accepted = MakeRecord(200, "$server", "me");
    answered.feed(accepted.bytes.data(), kRecordSize);
    answered.feed(flood.data(), 100 * kRecordSize);
    EXPECT_FALSE(answered.overflowed());
    EXPECT_EQ(answered.queue().size(), 100u);
}
