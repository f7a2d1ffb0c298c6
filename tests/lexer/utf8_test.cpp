#include "lexer/utf8.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(Utf8, ValidatesStrictly) {
    EXPECT_TRUE(is_valid_utf8(""));
    EXPECT_TRUE(is_valid_utf8("plain ascii text, long enough to use the wide path"));
    EXPECT_TRUE(is_valid_utf8("caf\xc3\xa9 \xe2\x94\x80 \xf0\x9f\x98\x80"));
    EXPECT_FALSE(is_valid_utf8("\xff"));
    EXPECT_FALSE(is_valid_utf8("abc\xc3"));          // truncated sequence
    EXPECT_FALSE(is_valid_utf8("\xc0\xaf"));         // overlong slash
    EXPECT_FALSE(is_valid_utf8("\xed\xa0\x80"));     // encoded surrogate
    EXPECT_FALSE(is_valid_utf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(is_valid_utf8("12345678\x80"));     // stray continuation after the wide path
}

std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t end = next_char_end(text, i);
        out.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return out;
}

TEST(Utf8, StepsOverWholeCharacters) {
    EXPECT_EQ(characters("a\xc3\xa9\xe2\x94\x80\xf0\x9f\x98\x80z"),
              (std::vector<std::string>{"a", "\xc3\xa9", "\xe2\x94\x80", "\xf0\x9f\x98\x80", "z"}));
    // Malformed bytes never split a well-formed character and always advance.
    EXPECT_EQ(characters("\x80\x80x\xff"), (std::vector<std::string>{"\x80\x80", "x", "\xff"}));
    EXPECT_EQ(characters("a\xc3"), (std::vector<std::string>{"a", "\xc3"}));
}

TEST(Utf8, TrimsUnicodeWhiteSpaceOnly) {
    EXPECT_EQ(trim_white_space("  yes \r\n"), "yes");
    EXPECT_EQ(trim_white_space("\t\v\f x y \x0b"), "x y");
    // No-break space, ideographic space, line separator, next line (U+0085).
    EXPECT_EQ(trim_white_space("\xc2\xa0\xe3\x80\x80word\xe2\x80\xa8\xc2\x85"), "word");
    // The zero-width space is not white space; neither are letters that
    // merely look blank.
    EXPECT_EQ(trim_white_space("\xe2\x80\x8bz\xe2\x80\x8b"), "\xe2\x80\x8bz\xe2\x80\x8b");
    EXPECT_EQ(trim_white_space(""), "");
    EXPECT_EQ(trim_white_space(" \xe3\x80\x80 \n"), "");
    // A multi-byte character before trailing blanks is kept whole.
    EXPECT_EQ(trim_white_space("\xf0\x9f\x98\x80  "), "\xf0\x9f\x98\x80");
    // Malformed bytes are not white space and stop the trimming.
    EXPECT_EQ(trim_white_space(" \xff "), "\xff");
    EXPECT_EQ(trim_white_space(" \x80"), "\x80");
}

} // namespace
} // namespace quillo
