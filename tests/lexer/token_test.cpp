// Unit tests for tokens: equality and the readable form used by the tests.
#include "lexer/token.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace quillo {
namespace {

TEST(TokenKindName, NamesAreDistinctAndFollowTheEnumeration) {
    std::set<std::string_view> seen;
    const auto last = static_cast<int>(TokenKind::Eof);
    for (int k = 0; k <= last; ++k) {
        std::string_view name = token_kind_name(static_cast<TokenKind>(k));
        EXPECT_FALSE(name.empty()) << k;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name " << name;
    }
    // A shift anywhere in the names would misplace at least one of these.
    EXPECT_EQ(token_kind_name(TokenKind::Let), "Let");
    EXPECT_EQ(token_kind_name(TokenKind::Global), "Global");
    EXPECT_EQ(token_kind_name(TokenKind::Identifier), "Identifier");
    EXPECT_EQ(token_kind_name(TokenKind::String), "String");
    EXPECT_EQ(token_kind_name(TokenKind::Plus), "Plus");
    EXPECT_EQ(token_kind_name(TokenKind::GreaterEqual), "GreaterEqual");
    EXPECT_EQ(token_kind_name(TokenKind::LeftParen), "LeftParen");
    EXPECT_EQ(token_kind_name(TokenKind::Semicolon), "Semicolon");
    EXPECT_EQ(token_kind_name(TokenKind::Question), "Question");
    EXPECT_EQ(token_kind_name(TokenKind::Eof), "Eof");
}

TEST(TokenDescribe, KindsWithoutPayloadShowTheBareName) {
    EXPECT_EQ(describe(Token(TokenKind::FatArrow)), "FatArrow");
    EXPECT_EQ(describe(Token()), "Eof");
}

TEST(TokenDescribe, Numbers) {
    EXPECT_EQ(describe(Token::number(7)), "Number(7)");
    EXPECT_EQ(describe(Token::number(std::numeric_limits<std::int64_t>::min())),
              "Number(-9223372036854775808)");
    // Floats in the shortest form that reads back as the same double.
    EXPECT_EQ(describe(Token::floating(0.5)), "Float(0.5)");
    EXPECT_EQ(describe(Token::floating(0.1)), "Float(0.1)");
    EXPECT_EQ(describe(Token::floating(0.1 + 0.2)), "Float(0.30000000000000004)");
    EXPECT_EQ(describe(Token::floating(3.0)), "Float(3)");
    EXPECT_EQ(describe(Token::floating(std::numeric_limits<double>::infinity())), "Float(inf)");
    EXPECT_EQ(describe(Token::floating(std::numeric_limits<double>::denorm_min())),
              "Float(5e-324)");
}

TEST(TokenDescribe, StringsAreQuotedWithEscapes) {
    EXPECT_EQ(describe(Token(TokenKind::String, "a\n")), R"(String("a\n"))");
    EXPECT_EQ(describe(Token(TokenKind::String, "\t\r\\\"")), R"(String("\t\r\\\""))");
    EXPECT_EQ(describe(Token(TokenKind::String, "")), R"(String(""))");
    EXPECT_EQ(describe(Token(TokenKind::String, "caf\xc3\xa9")), "String(\"caf\xc3\xa9\")");
    EXPECT_EQ(describe(Token(TokenKind::Identifier, "x")), "Identifier(x)");
}

TEST(TokenEquality, ComparesKindAndPayload) {
    EXPECT_EQ(Token::number(1), Token::number(1));
    EXPECT_NE(Token::number(1), Token::number(2));
    EXPECT_NE(Token::number(1), Token::floating(1.0));
    EXPECT_NE(Token(TokenKind::Identifier, "a"), Token(TokenKind::String, "a"));
    EXPECT_NE(Token(TokenKind::Plus), Token(TokenKind::Minus));
}

} // namespace
} // namespace quillo
