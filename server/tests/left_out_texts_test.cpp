// SPDX-License-Identifier: MIT
// The report of channel texts left out for slow members: one line a
// minute at most, however many were left out for however many members.
#include "left_out_texts.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

TEST(LeftOutTextsTest, OneLineAMinuteNamingTheFirstFewConnections) {
    LeftOutTexts leftOut;
    EXPECT_EQ(leftOut.TakeReport(0), "");
    std::size_t lines = 0;
    // Texts for 8 connections every 16 ms, for 3 minutes.
    for (std::int64_t ms = 1000; ms <= 182000; ms += 2) {
        for (ConnectionId connection = 16; connection < 24 && ms % 16 == 0; ++connection) {
            leftOut.Count(connection, ms);
        }
        lines += leftOut.TakeReport(ms).empty() ? 0 : 1;
    }
    EXPECT_EQ(lines, 3u);

    LeftOutTexts one;
    one.Count(17, 0);
    one.Count(17, 10);
    one.Count(30, 20);
    EXPECT_EQ(one.TakeReport(59999), "");
    EXPECT_EQ(one.TakeReport(60000), "left out 3 channel texts in the last 60 s for 2 connections "
                                     "reading too slowly: connection 17 (2), connection 30 (1)");
    for (ConnectionId connection = 1; connection <= 7; ++connection) {
        one.Count(connection, 130000);
    }
    EXPECT_NE(one.TakeReport(131000, true)
                  .find("for 7 connections reading too slowly: connection "
                        "1 (1), connection 2 (1), connection 3 (1), "
                        "connection 4 (1), connection 5 (1) ..."),
              std::string::npos);
}

} // namespace
} // namespace quord
