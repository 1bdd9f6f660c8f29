// SPDX-License-Identifier: MIT
// The record codec: typed fields, raw texts, names and list parts.
#include "quor_wire/record.h"

#include <gtest/gtest.h>

#include <string>

using namespace quor;

namespace {

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

} // namespace

TEST(Codec, PackedFieldsReadBackInOrderWithLittleEndianIntegers) {
    QuorMessage m;
    PackFields(m, 403, 1, "sssddddd",
               {"anna", "", "a@b.c", std::int32_t{1}, std::int32_t{-2}, std::int32_t{0x01020304},
                std::int32_t{0}, std::int32_t{7}});
    EXPECT_EQ(m.id(), 403);
    EXPECT_EQ(m.format(), 1);
    EXPECT_EQ(m.bytes[kDataOffset + 5], 0); // "anna" and its NUL
    // Strings are laid out back to back: anna\0 \0 a@b.c\0, then the integers.
    const std::size_t firstInt = kDataOffset + 5 + 1 + 6;
    EXPECT_EQ(m.bytes[firstInt + 8], 0x04);
    EXPECT_EQ(m.bytes[firstInt + 11], 0x01);

    std::string name, password, email;
    std::int32_t type = 0, created = 0, last = 0, self = 0, disabled = 0;
    ASSERT_TRUE(ExpectFields(m, 403, 1, "sssddddd",
                             {&name, &password, &email, &type, &created, &last, &self, &disabled}));
    EXPECT_EQ(name, "anna");
    EXPECT_EQ(password, "");
    EXPECT_EQ(email, "a@b.c");
    EXPECT_EQ(type, 1);
    EXPECT_EQ(created, -2);
    EXPECT_EQ(last, 0x01020304);
    EXPECT_EQ(disabled, 7);
}

TEST(Codec, FieldThatWouldPassTheRecordEndIsLeftOutWithAllLaterFields) {
    QuorMessage m;
    const std::string s = Repeat('x', 200);
    PackFields(m, 403, 1, "sssddddd",
               {s, s, s, std::int32_t{1}, std::int32_t{2}, std::int32_t{3}, std::int32_t{4},
                std::int32_t{5}});
    // Only the first string (201 bytes) fits; the second would end past 476.
    EXPECT_EQ(m.boundedString(kDataOffset, 400), s);
    for (std::size_t i = kDataOffset + 201; i < kRecordSize; ++i) {
        ASSERT_EQ(m.bytes[i], 0) << "offset " << i;
    }
    std::string a, b = "unset";
    ASSERT_TRUE(ExpectFields(m, 403, 1, "ss", {&a, &b}));
    EXPECT_EQ(b, "");
}

TEST(Codec, IntegerFieldsFitExactlyUpToTheLastByte) {
    QuorMessage m;
    const std::string s = Repeat('y', 394); // 395 bytes, leaving 5
    PackFields(m, 7, 1, "sdc", {s, std::int32_t{42}, std::uint8_t{9}});
    std::string read;
    std::int32_t d = 0;
    std::uint8_t c = 0;
    ASSERT_TRUE(ExpectFields(m, 7, 1, "sdc", {&read, &d, &c}));
    EXPECT_EQ(d, 42);
    EXPECT_EQ(c, 9);
    // One more letter than the record holds fails the read.
    std::uint8_t extra = 0;
    EXPECT_FALSE(ExpectFields(m, 7, 1, "sdcc", {&read, &d, &c, &extra}));
}

TEST(Codec, UnknownLettersAreSkippedAndConsumeNoValue) {
    QuorMessage m;
    PackFields(m, 5, 1, "sxd", {"abc", std::int32_t{77}});
    std::string s;
    std::int32_t d = 0;
    ASSERT_TRUE(ExpectFields(m, 5, 1, "s?d", {&s, &d}));
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(d, 77);
}

TEST(Codec, ReadFailsOnWrongIdOrFormatOrAStringWithoutNul) {
    QuorMessage m;
    PackFields(m, 405, 1, "sc", {"anna", std::uint8_t{3}});
    std::string s;
    std::uint8_t c = 0;
    EXPECT_FALSE(ExpectFields(m, 406, 1, "sc", {&s, &c}));
    EXPECT_FALSE(ExpectFields(m, 405, 0, "sc", {&s, &c}));

    QuorMessage noNul;
    noNul.setId(600);
    noNul.setFormat(1);
    for (std::size_t i = kDataOffset; i < kRecordSize; ++i) {
        noNul.bytes[i] = 'z';
    }
    EXPECT_FALSE(ExpectFields(noNul, 600, 1, "s", {&s}));
    // A NUL in the very last byte still ends a valid string.
    noNul.bytes[kRecordSize - 1] = 0;
    ASSERT_TRUE(ExpectFields(noNul, 600, 1, "s", {&s}));
    EXPECT_EQ(s.size(), kDataSize - 1);
}

TEST(Codec, FormatIsComparedAsASignedByte) {
    QuorMessage m;
    m.setId(9);
    m.bytes[kFormatOffset] = 0xFF;
    EXPECT_TRUE(ExpectFields(m, 9, -1, "", {}));
    EXPECT_FALSE(ExpectFields(m, 9, 1, "", {}));
}

TEST(Codec, FieldsReadBeforeAFailureKeepTheirValues) {
    QuorMessage m;
    PackFields(m, 602, 1, "d", {std::int32_t{1}});
    for (std::size_t i = kDataOffset + 4; i < kRecordSize; ++i) {
        m.bytes[i] = 'q';
    }
    std::int32_t flag = 0;
    std::string user = "unchanged";
    EXPECT_FALSE(ExpectFields(m, 602, 1, "ds", {&flag, &user}));
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(user, "unchanged");
}

TEST(Codec, NamesHoldAtMost31CharactersAndRawTextsAtMost399) {
    QuorMessage m;
    m.setSender(Repeat('s', 40));
    m.setRecipient(Repeat('r', 31));
    m.setRawText(Repeat('t', 500));
    EXPECT_EQ(m.sender(), Repeat('s', 31));
    EXPECT_EQ(m.recipient(), Repeat('r', 31));
    EXPECT_EQ(m.rawText(), Repeat('t', 399));
    EXPECT_EQ(m.bytes[kRecordSize - 1], 0);

    // A received record with full name fields and a data area without a NUL
    // never reads past its own bytes.
    QuorMessage full;
    full.bytes.fill('n');
    full.terminateNames();
    EXPECT_EQ(full.sender(), Repeat('n', 31));
    EXPECT_EQ(full.recipient(), Repeat('n', 31));
    EXPECT_EQ(full.rawText(), Repeat('n', 400));
}

TEST(Codec, ListPartsFitItemsWithinTheirRoomAndCarryFirstAndLastFlags) {
    ListBuilder empty(310, "$server");
    auto parts = empty.finish();
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(ListFlags(parts[0]), kListFirst | kListLast);
    EXPECT_TRUE(ListItems(parts[0]).empty());
    EXPECT_EQ(parts[0].recipient(), "$server");

    ListBuilder hundred(310, "$server");
    for (int i = 0; i < 100; ++i) {
        hundred.add("name" + std::to_string(1000 + i));
    }
    parts = hundred.finish();
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(ListFlags(parts[0]), kListFirst);
    EXPECT_EQ(ListFlags(parts[1]), 0);
    EXPECT_EQ(ListFlags(parts[2]), kListLast);
    std::size_t total = 0;
    for (const auto &p : parts) {
        EXPECT_EQ(p.id(), 310);
        EXPECT_EQ(p.format(), 1);
        total += ListItems(p).size();
    }
    EXPECT_EQ(total, 100u);
    EXPECT_EQ(ListItems(parts[0]).front(), "name1000");
    EXPECT_EQ(ListItems(parts[2]).back(), "name1099");
}

TEST(Codec, ListItemsThatFillThePartExactlyAndItemsTooLongForAnyPart) {
    ListBuilder exact(206, "");
    exact.add(Repeat('a', 397)); // 397 + ';' + NUL = 399 bytes: fits
    auto parts = exact.finish();
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(ListItems(parts[0]), std::vector<std::string>{Repeat('a', 397)});

    ListBuilder tooLong(206, "");
    tooLong.add("bob");
    tooLong.add(Repeat('b', 398)); // cannot fit even into an empty part
    tooLong.add("cy");
    parts = tooLong.finish();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(ListItems(parts[0]), std::vector<std::string>{"bob"});
    // The too-long item is left out and its new part carries what follows.
    EXPECT_EQ(ListItems(parts[1]), std::vector<std::string>{"cy"});
    EXPECT_EQ(ListFlags(parts[1]), kListLast);
}

TEST(Codec, ListItemsIgnoreTextAfterTheLastSeparatorAndStopAtTheRecordEnd) {
    QuorMessage part;
    part.setId(401);
    part.bytes[kDataOffset] = kListFirst | kListLast;
    const std::string text = "#a,0,1;;#b,2,3;trailing";
    std::copy(text.begin(), text.end(), part.bytes.begin() + kListItemsOffset);
    EXPECT_EQ(ListItems(part), (std::vector<std::string>{"#a,0,1", "", "#b,2,3"}));

    QuorMessage unterminated;
    unterminated.bytes.fill('x');
    unterminated.bytes[kRecordSize - 1] = ';';
    const auto items = ListItems(unterminated);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].size(), kListItemsRoom - 1);
}
