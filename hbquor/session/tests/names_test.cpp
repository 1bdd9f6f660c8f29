// Name rules: trimming of blanks and control characters, and comparison
// ignoring the case of A to Z only.
#include "hbQuorNames.h"

#include <gtest/gtest.h>

namespace hbquor {
namespace {

TEST(TrimName, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(TrimName("  alice \t\r\n"), "alice");
    EXPECT_EQ(TrimName("\x01\x1f"
                       "bob"),
              "bob");
    EXPECT_EQ(TrimName("an na"), "an na");
    EXPECT_EQ(TrimName(" \t "), "");
    EXPECT_EQ(TrimName(""), "");
}

TEST(SameName, IgnoresTheCaseOfAToZOnly) {
    EXPECT_TRUE(SameName("Alice", "aLICE"));
    EXPECT_TRUE(SameName("#Chat-1", "#chat-1"));
    EXPECT_FALSE(SameName("alice", "alicia"));
    EXPECT_FALSE(SameName("alice", "alice "));
    // Letters outside A to Z (here Latin-1 bytes) must match exactly.
    EXPECT_FALSE(SameName("\xC4rger", "\xE4rger"));
    // '[' and '{' differ by 32 like a case pair but are not letters.
    EXPECT_FALSE(SameName("[x", "{x"));
}

TEST(IsChannelName, NeedsALeadingHash) {
    EXPECT_TRUE(IsChannelName("#lobby"));
    EXPECT_FALSE(IsChannelName("lobby"));
    EXPECT_FALSE(IsChannelName(""));
}

} // namespace
} // namespace hbquor
