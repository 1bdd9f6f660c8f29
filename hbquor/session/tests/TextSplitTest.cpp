// SPDX-License-Identifier: MIT
// Cutting typed text into pieces the library carries whole.
#include "hbQuorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hbquor {
namespace {

std::vector<std::string> SplitAll(std::string text) {
    std::vector<std::string> pieces;
    while (!text.empty())
        pieces.push_back(SplitChunk(text, kMaxTextPiece, kTextSeparators));
    return pieces;
}

TEST(SplitChunk, NoPieceIsLongerThanTheLibraryCarries) {
    EXPECT_EQ(kMaxTextPiece, 399u);
    auto pieces = SplitAll(std::string(1000, 'x'));
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), 399u);
    EXPECT_EQ(pieces[1].size(), 399u);
    EXPECT_EQ(pieces[2].size(), 202u);
}

TEST(SplitChunk, ShortTextIsOnePiece) {
    std::string rest = "hello there";
    EXPECT_EQ(SplitChunk(rest, kMaxTextPiece, kTextSeparators), "hello there");
    EXPECT_TRUE(rest.empty());
    rest = std::string(399, 'y');
    EXPECT_EQ(SplitChunk(rest, kMaxTextPiece, kTextSeparators).size(), 399u);
    EXPECT_TRUE(rest.empty());
}

TEST(SplitChunk, BlankRightAfterTheLimitCutsAtTheLimit) {
    // 404 characters, the 400th a blank: the first 399 go, then the last 4.
    std::string text = std::string(399, 'a') + " " + "bcde";
    auto pieces = SplitAll(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(399, 'a'));
    EXPECT_EQ(pieces[1], "bcde");
}

TEST(SplitChunk, CutsAfterTheLastSeparatorWithinTheLimit) {
    // A comma at position 390, no other separator, no blank after the limit.
    std::string text = std::string(389, 'a') + "," + std::string(60, 'b');
    auto pieces = SplitAll(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(389, 'a') + ",");
    EXPECT_EQ(pieces[1], std::string(60, 'b'));
}

TEST(SplitChunk, EverySeparatorCanEndAPiece) {
    for (char separator : std::string(" .,:;")) {
        std::string text = std::string(100, 'a') + separator + std::string(400, 'b');
        std::string rest = text;
        std::string piece = SplitChunk(rest, kMaxTextPiece, kTextSeparators);
        EXPECT_EQ(piece, std::string(100, 'a') + separator) << "separator " << separator;
        EXPECT_EQ(rest, std::string(400, 'b'));
    }
}

TEST(SplitChunk, RestLosesLeadingBlanksAndControlCharacters) {
    std::string text = std::string(399, 'a') + " \t\x01 tail";
    auto pieces = SplitAll(text);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1], "tail");
}

TEST(SplitChunk, NothingTypedIsLost) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "word" + std::to_string(i) + (i % 7 == 0 ? ". " : " ");
    std::string joined;
    for (const std::string &piece : SplitAll(text)) {
        EXPECT_LE(piece.size(), kMaxTextPiece);
        joined += piece;
    }
    // Only the blanks at the cuts are dropped.
    std::string withoutBlanks, joinedWithoutBlanks;
    for (char c : text)
        if (c != ' ')
            withoutBlanks += c;
    for (char c : joined)
        if (c != ' ')
            joinedWithoutBlanks += c;
    EXPECT_EQ(joinedWithoutBlanks, withoutBlanks);
}

// Texts without blanks, so nothing is dropped at the cuts: the pieces must
// join up to the text, and no piece may begin inside a UTF-8 character.
TEST(SplitChunk, PiecesOfUtf8TextEndOnCharacterBoundaries) {
    std::string mixed;
    for (int i = 0; i < 150; ++i)
        mixed += "a\u00e4\u20ac\U0001F600"; // 1, 2, 3 and 4 bytes
    std::string umlauts;
    for (int i = 0; i < 1000; ++i)
        umlauts += "\u00e4";
    // 397 ASCII bytes, then a 3-byte character on bytes 398 to 400.
    const std::string straddling = std::string(397, 'x') + "\u20ac" + std::string(10, 'y');
    for (const std::string &text : {umlauts, mixed, straddling}) {
        std::string joined;
        for (const std::string &piece : SplitAll(text)) {
            ASSERT_FALSE(piece.empty());
            EXPECT_LE(piece.size(), kMaxTextPiece);
            EXPECT_NE(static_cast<unsigned char>(piece.front()) & 0xC0, 0x80)
                << "piece begins inside a character";
            joined += piece;
        }
        EXPECT_EQ(joined, text);
    }
    EXPECT_EQ(SplitAll(umlauts).front().size(), 398u);
    EXPECT_EQ(SplitAll(straddling).front(), std::string(397, 'x'));
}

TEST(SplitChunk, BytesThatAreNotUtf8AreCutAtTheLimit) {
    // A run of stray continuation bytes has no character start to go back to.
    auto pieces = SplitAll(std::string(500, '\x80'));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].size(), kMaxTextPiece);
}

TEST(FlattenControlCharacters, LineBreaksBecomeBlanksTabsStay) {
    EXPECT_EQ(FlattenControlCharacters("a\r\nb\tc\x1f"
                                       "d"),
              "a  b\tc d");
    EXPECT_EQ(FlattenControlCharacters(std::string("x\0y", 3)), "x y");
    EXPECT_EQ(FlattenControlCharacters("\xE4\xF6\xFC"), "\xE4\xF6\xFC");
}

} // namespace
} // namespace hbquor
