// SPDX-License-Identifier: MIT
// Client strings as the log shows them: nothing a client sends can end a
// line, steer a terminal or reorder what follows, valid UTF-8 stays
// readable, and a cut never splits a character or an escape.
#include "log_text.h"

#include <gtest/gtest.h>

namespace quord {
namespace {

TEST(LogTextTest, EscapesWhatCouldForgeOrHideALineAndCutsWholeCharacters) {
    const struct {
        std::string in;
        std::string out;
        std::size_t limit = kLogTextLimit;
    } cases[] = {
        {"a\nb\rc\td", "a\\x0ab\\x0dc\\x09d"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\x1b[2Jgone\x7f", "\\x1b[2Jgone\\x7f"},
        {"back\\x0a", "back\\x5cx0a"}, // a typed escape stays told apart
        {"J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x98\x80",
         "J\xc3\xbcrgen \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"\xc2\x85next\xc2\x9b", "\\u0085next\\u009b"}, // C1 controls: NEL, CSI
        {"a\xe2\x80\xa8z\xe2\x80\xa9", "a\\u2028z\\u2029"},
        {"\xe2\x80\xaegnp.exe\xe2\x81\xa6", "\\u202egnp.exe\\u2066"},
        {"\xff\xfe", "\\xff\\xfe"},
        {"\xe2\x82\x41", "\\xe2\\x82A"},              // cut short
        {"\xc0\xaf", "\\xc0\\xaf"},                   // overlong '/'
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},          // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {std::string(10240, 'x'), std::string(256, 'x') + "...[10240 bytes]"},
        {"abcdef", "abcdef", 6},
        {"ab\xc3\xbc", "ab...[4 bytes]", 3},
        {"ab\ncd", "ab...[5 bytes]", 5},
        {"ab\ncd", "ab\\x0a...[5 bytes]", 6},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LogText(c.in, c.limit), c.out) << c.in;
    }
}

} // namespace
} // namespace quord
