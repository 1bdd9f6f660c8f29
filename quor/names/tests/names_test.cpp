// SPDX-License-Identifier: MIT
// Name rules shared by the library, the server and the program.
#include "quor_names/names.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(Names, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(TrimName("  alice \t\r\n"), "alice");
    EXPECT_EQ(TrimName("\x01\x1f"
                       "bob"),
              "bob");
    EXPECT_EQ(TrimName("an na"), "an na");
    EXPECT_EQ(TrimName(" \t "), "");
    EXPECT_EQ(TrimName("\xC3\xA4 "), "\xC3\xA4"); // bytes of non-ASCII characters stay
}

TEST(Names, ComparisonFoldsOnlyAToZ) {
    EXPECT_TRUE(SameNameIgnoringCase("#Chat-1", "#chat-1"));
    EXPECT_FALSE(SameNameIgnoringCase("alice", "alice "));
    // Letters outside A to Z (here Latin-1 bytes) must match exactly.
    EXPECT_FALSE(SameNameIgnoringCase("\xC4rger", "\xE4rger"));
    // '[' and '{' differ by 32 like a case pair but are not letters.
    EXPECT_FALSE(SameNameIgnoringCase("[x", "{x"));
    EXPECT_EQ(FoldedName("AnNa_X\xC3\x84"), "anna_x\xC3\x84");
}

TEST(Names, OrderPutsNamesDifferingInCaseTogether) {
    EXPECT_EQ(CompareNamesIgnoringCase("Bob", "bob"), 0);
    EXPECT_LT(CompareNamesIgnoringCase("anna", "Bob"), 0);
    EXPECT_LT(CompareNamesIgnoringCase("ann", "anna"), 0);
    EXPECT_LT(CompareNamesIgnoringCase("_x", "Zed"), 0);     // '_' sorts before 'z', not after 'Z'
    EXPECT_GT(CompareNamesIgnoringCase("\xC3\xA4", "z"), 0); // bytes compare unsigned
}

TEST(Names, ChannelNamesBeginWithAHash) {
    EXPECT_TRUE(IsChannelName("#lobby"));
    EXPECT_FALSE(IsChannelName("lobby"));
    EXPECT_FALSE(IsChannelName(""));
}

} // namespace
} // namespace quor
