// Unit tests for the lexer: text in, token list out.
#include "lexer/lexer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo {
namespace {

// Returns the number of Eof tokens in a list.
std::size_t count_eof(const TokenList& tokens) {
    std::size_t n = 0;
    for (const Token& t : tokens)
        n += t.kind == TokenKind::Eof;
    return n;
}

// Lexes a text and returns the tokens before the final Eof, each in its
// describe() form, joined by single spaces. Every list must end with exactly
// one Eof; a list that does not is reported as a failure of the calling test.
std::string lex(std::string_view text) {
    TokenList tokens = tokenize(text);
    if (tokens.empty() || tokens.back().kind != TokenKind::Eof || count_eof(tokens) != 1) {
        ADD_FAILURE() << "token list does not end with exactly one Eof";
    }
    std::string out;
    for (const Token& t : tokens) {
        if (t.kind == TokenKind::Eof) continue;
        if (!out.empty()) out += ' ';
        out += describe(t);
    }
    return out;
}

// The kind of the only token a text yields, or Eof when it yields none or
// several.
TokenKind only_kind(std::string_view text) {
    TokenList tokens = tokenize(text);
    return tokens.size() == 2 ? tokens[0].kind : TokenKind::Eof;
}

// A numeric literal written as `head`, `count` copies of `fill`, then `tail`.
std::string digits(std::string_view head, std::size_t count, char fill,
                   std::string_view tail = "") {
    std::string s(head);
    s.append(count, fill);
    s.append(tail);
    return s;
}

// ---------------------------------------------------------------------------
// The token table: every keyword and every operator or punctuation lexeme.

TEST(LexerTokenTable, EachKeywordGivesItsKind) {
    const std::vector<std::pair<const char*, TokenKind>> keywords = {
        {"let", TokenKind::Let},       {"def", TokenKind::Def},
        {"return", TokenKind::Return}, {"if", TokenKind::If},
        {"else", TokenKind::Else},     {"while", TokenKind::While},
        {"for", TokenKind::For},       {"in", TokenKind::In},
        {"break", TokenKind::Break},   {"continue", TokenKind::Continue},
        {"true", TokenKind::True},     {"false", TokenKind::False},
        {"and", TokenKind::And},       {"or", TokenKind::Or},
        {"not", TokenKind::Not},       {"match", TokenKind::Match},
        {"try", TokenKind::Try},       {"catch", TokenKind::Catch},
        {"global", TokenKind::Global},
    };
    ASSERT_EQ(keywords.size(), 19u);
    for (const auto& [word, kind] : keywords) {
        TokenList tokens = tokenize(word);
        ASSERT_EQ(tokens.size(), 2u) << word;
        EXPECT_EQ(tokens[0], Token(kind)) << word;
        EXPECT_EQ(tokens[1].kind, TokenKind::Eof) << word;
    }
}

TEST(LexerTokenTable, EachOperatorAndPunctuationGivesItsKind) {
    const std::vector<std::pair<const char*, TokenKind>> lexemes = {
        {"+", TokenKind::Plus},          {"-", TokenKind::Minus},
        {"*", TokenKind::Star},          {"/", TokenKind::Slash},
        {"%", TokenKind::Percent},       {"**", TokenKind::Power},
        {"=", TokenKind::Assign},        {"+=", TokenKind::PlusAssign},
        {"-=", TokenKind::MinusAssign},  {"*=", TokenKind::StarAssign},
        {"/=", TokenKind::SlashAssign},  {"==", TokenKind::Equal},
        {"!=", TokenKind::NotEqual},     {"<", TokenKind::Less},
        {">", TokenKind::Greater},       {"<=", TokenKind::LessEqual},
        {">=", TokenKind::GreaterEqual}, {"(", TokenKind::LeftParen},
        {")", TokenKind::RightParen},    {"{", TokenKind::LeftBrace},
        {"}", TokenKind::RightBrace},    {"[", TokenKind::LeftBracket},
        {"]", TokenKind::RightBracket},  {",", TokenKind::Comma},
        {":", TokenKind::Colon},         {";", TokenKind::Semicolon},
        {"->", TokenKind::Arrow},        {"=>", TokenKind::FatArrow},
        {".", TokenKind::Dot},           {"?", TokenKind::Question},
        {"!", TokenKind::Not},
    };
    for (const auto& [lexeme, kind] : lexemes) {
        EXPECT_EQ(only_kind(lexeme), kind)
            << "\"" << lexeme << "\" expected " << token_kind_name(kind);
    }
}

TEST(LexerTokenTable, LiteralKindsCarryTheirPayload) {
    TokenList tokens = tokenize("name 42 2.5 \"s\"");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0], Token(TokenKind::Identifier, "name"));
    EXPECT_EQ(tokens[1], Token::number(42));
    EXPECT_EQ(tokens[2], Token::floating(2.5));
    EXPECT_EQ(tokens[3], Token(TokenKind::String, "s"));
    EXPECT_EQ(tokens[4], Token(TokenKind::Eof));
}

TEST(LexerTokenTable, OperatorsNeedNoSeparatingSpace) {
    EXPECT_EQ(lex("a+=b-c*d/e%f"), "Identifier(a) PlusAssign Identifier(b) Minus Identifier(c) "
                                   "Star Identifier(d) Slash Identifier(e) Percent Identifier(f)");
    EXPECT_EQ(lex("f(x,y)[0]{k:v};a.b?c"),
              "Identifier(f) LeftParen Identifier(x) Comma Identifier(y) RightParen LeftBracket "
              "Number(0) RightBracket LeftBrace Identifier(k) Colon Identifier(v) RightBrace "
              "Semicolon Identifier(a) Dot Identifier(b) Question Identifier(c)");
}

// ---------------------------------------------------------------------------
// One character of look-ahead after an operator that may take a second one.

TEST(LexerLookAhead, TwoCharacterOperatorsJoinOnlyTheirContinuations) {
    EXPECT_EQ(lex("a!=b"), "Identifier(a) NotEqual Identifier(b)");
    EXPECT_EQ(
        lex("a<=b>=c==d"),
        "Identifier(a) LessEqual Identifier(b) GreaterEqual Identifier(c) Equal Identifier(d)");
    EXPECT_EQ(lex("2**3"), "Number(2) Power Number(3)");
    EXPECT_EQ(lex("a->b"), "Identifier(a) Arrow Identifier(b)");
    EXPECT_EQ(lex("x=>y"), "Identifier(x) FatArrow Identifier(y)");
    EXPECT_EQ(lex("x= >y"), "Identifier(x) Assign Greater Identifier(y)");
    EXPECT_EQ(lex("x = = y"), "Identifier(x) Assign Assign Identifier(y)");
    EXPECT_EQ(lex("a * * b"), "Identifier(a) Star Star Identifier(b)");
    EXPECT_EQ(lex("a - > b"), "Identifier(a) Minus Greater Identifier(b)");
}

TEST(LexerLookAhead, NotAsBangOrWord) {
    EXPECT_EQ(lex("!x"), "Not Identifier(x)");
    EXPECT_EQ(lex("not x"), "Not Identifier(x)");
    EXPECT_EQ(lex("!!x"), "Not Not Identifier(x)");
    EXPECT_EQ(lex("! =x"), "Not Assign Identifier(x)");
    EXPECT_EQ(lex("!==x"), "NotEqual Assign Identifier(x)");
}

TEST(LexerLookAhead, AtMostTwoCharactersAreJoined) {
    EXPECT_EQ(lex("a**=2"), "Identifier(a) Power Assign Number(2)");
    EXPECT_EQ(lex("a // b"), "Identifier(a) Slash Slash Identifier(b)");
    EXPECT_EQ(lex("***"), "Power Star");
    EXPECT_EQ(lex("==="), "Equal Assign");
    EXPECT_EQ(lex("==>"), "Equal Greater");
    EXPECT_EQ(lex("->="), "Arrow Assign");
    EXPECT_EQ(lex("-=>"), "MinusAssign Greater");
    EXPECT_EQ(lex("<=="), "LessEqual Assign");
    EXPECT_EQ(lex("/=*"), "SlashAssign Star");
    EXPECT_EQ(lex("=>="), "FatArrow Assign");
}

TEST(LexerLookAhead, TextWithoutATokenLexesAsShorterTokens) {
    EXPECT_EQ(lex("i++"), "Identifier(i) Plus Plus");
    EXPECT_EQ(lex("i--"), "Identifier(i) Minus Minus");
    EXPECT_EQ(lex("a%=2"), "Identifier(a) Percent Assign Number(2)");
    EXPECT_EQ(lex("a..b"), "Identifier(a) Dot Dot Identifier(b)");
    EXPECT_EQ(lex("a&&b||c"), "Identifier(a) Identifier(b) Identifier(c)");
    EXPECT_EQ(lex("<>"), "Less Greater");
    EXPECT_EQ(lex("=<"), "Assign Less");
    EXPECT_EQ(lex("<-"), "Less Minus");
    EXPECT_EQ(lex("+-"), "Plus Minus");
    EXPECT_EQ(lex("*/"), "Star Slash");
}

TEST(LexerLookAhead, LookedAtCharacterIsNotLost) {
    // The character after a one-character operator begins the next token,
    // whatever kind of token that is.
    EXPECT_EQ(lex("-5"), "Minus Number(5)");
    EXPECT_EQ(lex("=\"s\""), "Assign String(\"s\")");
    EXPECT_EQ(lex("<(a)"), "Less LeftParen Identifier(a) RightParen");
    EXPECT_EQ(lex(">#c\n1"), "Greater Number(1)");
    EXPECT_EQ(lex("*x"), "Star Identifier(x)");
    EXPECT_EQ(lex("/x"), "Slash Identifier(x)");
    EXPECT_EQ(lex("+\n1"), "Plus Number(1)");
    EXPECT_EQ(lex("!$x"), "Not Identifier(x)");
}

TEST(LexerLookAhead, OperatorAtEndOfText) {
    EXPECT_EQ(lex("a !"), "Identifier(a) Not");
    EXPECT_EQ(lex("a <"), "Identifier(a) Less");
    EXPECT_EQ(lex("a -"), "Identifier(a) Minus");
    EXPECT_EQ(lex("a *"), "Identifier(a) Star");
    EXPECT_EQ(lex("a ="), "Identifier(a) Assign");
    EXPECT_EQ(lex("a /"), "Identifier(a) Slash");
}

// ---------------------------------------------------------------------------
// Comments.

TEST(LexerComments, LineComment) {
    EXPECT_EQ(lex("a # b"), "Identifier(a)");
    EXPECT_EQ(lex("a#b\nc"), "Identifier(a) Identifier(c)");
    EXPECT_EQ(lex("# first\n# second\nx"), "Identifier(x)");
    EXPECT_EQ(lex("#"), "");
    // Only a line feed ends a line comment.
    EXPECT_EQ(lex("# x\ry"), "");
    EXPECT_EQ(lex("# x\r\ny"), "Identifier(y)");
    // Comment openers inside a line comment mean nothing.
    EXPECT_EQ(lex("# /* \nx */"), "Identifier(x) Star Slash");
}

TEST(LexerComments, BlockComment) {
    EXPECT_EQ(lex("/* a */ b"), "Identifier(b)");
    EXPECT_EQ(lex("a/*x*/b"), "Identifier(a) Identifier(b)");
    EXPECT_EQ(lex("/* line one\nline two */x"), "Identifier(x)");
    EXPECT_EQ(lex("/* # */ x"), "Identifier(x)");
    EXPECT_EQ(lex("/* * / */ x"), "Identifier(x)");
    EXPECT_EQ(lex("/* \" */ x"), "Identifier(x)");
}

TEST(LexerComments, BlockCommentCloserNeedsAStarReadAfterTheOpener) {
    EXPECT_EQ(lex("/*/ x */ y"), "Identifier(y)");
    EXPECT_EQ(lex("/*/"), "");
    EXPECT_EQ(lex("/**/x"), "Identifier(x)");
    EXPECT_EQ(lex("/***/x"), "Identifier(x)");
    EXPECT_EQ(lex("/****/x"), "Identifier(x)");
    // A "*" before the opener does not pair with the "/" that follows it.
    EXPECT_EQ(lex("*/*/ x */ y"), "Star Identifier(y)");
}

TEST(LexerComments, BlockCommentsDoNotNest) {
    EXPECT_EQ(lex("/* /* */ x */"), "Identifier(x) Star Slash");
}

TEST(LexerComments, UnterminatedBlockCommentRunsToTheEnd) {
    EXPECT_EQ(lex("/* never closed"), "");
    EXPECT_EQ(lex("a /* never closed"), "Identifier(a)");
    EXPECT_EQ(lex("/*"), "");
    EXPECT_EQ(lex("/* ends with a star *"), "");
}

TEST(LexerComments, CommentMarkersInsideStringsAreText) {
    EXPECT_EQ(lex("\"# not a comment\""), "String(\"# not a comment\")");
    EXPECT_EQ(lex("\"/* nor this */\""), "String(\"/* nor this */\")");
}

// ---------------------------------------------------------------------------
// Numbers.

TEST(LexerNumbers, Integers) {
    EXPECT_EQ(lex("0"), "Number(0)");
    EXPECT_EQ(lex("42 7"), "Number(42) Number(7)");
    EXPECT_EQ(lex("007"), "Number(7)");
    EXPECT_EQ(lex("000"), "Number(0)");
    EXPECT_EQ(lex("0009223372036854775807"), "Number(9223372036854775807)");
    // There is no sign: a minus is its own token.
    EXPECT_EQ(lex("-5"), "Minus Number(5)");
}

TEST(LexerNumbers, LargestInteger) {
    TokenList tokens = tokenize("9223372036854775807");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0], Token::number(std::numeric_limits<std::int64_t>::max()));
}

TEST(LexerNumbers, IntegersBeyond64BitsWrapModulo2To64) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(tokenize("9223372036854775808")[0], Token::number(kMin));
    EXPECT_EQ(tokenize("18446744073709551615")[0], Token::number(-1));
    EXPECT_EQ(tokenize("18446744073709551616")[0], Token::number(0));
    EXPECT_EQ(tokenize("18446744073709551617")[0], Token::number(1));
    // 10^20 - 5 * 2^64.
    EXPECT_EQ(tokenize("100000000000000000000")[0], Token::number(7766279631452241920));
    // 10^63 = 2^63 * 5^63 with 5^63 odd; 10^64 is a multiple of 2^64.
    EXPECT_EQ(tokenize(digits("1", 63, '0'))[0], Token::number(kMin));
    EXPECT_EQ(tokenize(digits("1", 64, '0'))[0], Token::number(0));
    EXPECT_EQ(tokenize(digits("1", 5000, '0', "3"))[0], Token::number(3));
}

TEST(LexerNumbers, Floats) {
    EXPECT_EQ(lex("1.5"), "Float(1.5)");
    EXPECT_EQ(lex("3.0"), "Float(3)");
    EXPECT_EQ(lex("0.10"), "Float(0.1)");
    EXPECT_EQ(lex("00.5"), "Float(0.5)");
    EXPECT_EQ(lex("0.0"), "Float(0)");
    EXPECT_EQ(tokenize("0.1")[0], Token::floating(0.1));
    EXPECT_EQ(tokenize("0.30000000000000004")[0], Token::floating(0.1 + 0.2));
}

TEST(LexerNumbers, FloatIsTheNearestDouble) {
    // 2^53 + 1 lies halfway between two doubles: ties go to the even one.
    EXPECT_EQ(lex("9007199254740993.0"), "Float(9007199254740992)");
    EXPECT_EQ(lex("9007199254740995.0"), "Float(9007199254740996)");
    // Digits beyond what a double holds still take part in the rounding.
    EXPECT_EQ(lex("9007199254740993.00000000000000000000001"), "Float(9007199254740994)");
    EXPECT_EQ(lex(digits("0.", 1000, '3')), "Float(0.3333333333333333)");
}

TEST(LexerNumbers, FloatBeyondTheRangeOfDoubles) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(tokenize(digits("1", 400, '0', ".0"))[0], Token::floating(kInf));
    EXPECT_EQ(tokenize(digits("", 5000, '9', ".9"))[0], Token::floating(kInf));
    // Just below the point where rounding goes to infinity, and just above.
    EXPECT_EQ(tokenize(digits("17976931348623157", 292, '0', ".0"))[0],
              Token::floating(std::numeric_limits<double>::max()));
    EXPECT_EQ(tokenize(digits("17976931348623159", 292, '0', ".0"))[0], Token::floating(kInf));
}

TEST(LexerNumbers, FloatTooSmallForDoubles) {
    const std::string tiny = digits("0.", 400, '0', "1");
    TokenList tokens = tokenize(tiny);
    ASSERT_EQ(tokens.size(), 2u);
    ASSERT_EQ(tokens[0].kind, TokenKind::Float);
    EXPECT_EQ(tokens[0].floating_value(), 0.0);
    EXPECT_FALSE(std::signbit(tokens[0].floating_value()));
    EXPECT_EQ(lex(digits("00.", 400, '0', "9999")), "Float(0)");
}

TEST(LexerNumbers, FloatNearTheSmallestSubnormal) {
    // The smallest subnormal is about 4.94e-324; half of it, about
    // 2.4703282292062327e-324, is the rounding boundary towards zero.
    const std::string prefix = digits("0.", 323, '0');
    const double min_sub = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(tokenize(prefix + "5")[0], Token::floating(min_sub));
    EXPECT_EQ(tokenize(prefix + "3")[0], Token::floating(min_sub));
    EXPECT_EQ(tokenize(prefix + "24703282292062328")[0], Token::floating(min_sub));
    EXPECT_EQ(tokenize(prefix + "24703282292062327")[0], Token::floating(0.0));
    EXPECT_EQ(tokenize(digits("0.", 307, '0', "1"))[0], Token::floating(1e-308));
}

TEST(LexerNumbers, DotWithoutADigitAfterItIsNotPartOfTheNumber) {
    EXPECT_EQ(lex("3."), "Number(3) Dot");
    EXPECT_EQ(lex("3.foo"), "Number(3) Dot Identifier(foo)");
    EXPECT_EQ(lex("1..5"), "Number(1) Dot Dot Number(5)");
    EXPECT_EQ(lex("1. 5"), "Number(1) Dot Number(5)");
    EXPECT_EQ(lex("3.)"), "Number(3) Dot RightParen");
    EXPECT_EQ(lex("3.\xc3\xa9"), "Number(3) Dot");
    EXPECT_EQ(lex("a.0.1"), "Identifier(a) Dot Float(0.1)");
}

TEST(LexerNumbers, NoLiteralBeginsWithADot) {
    EXPECT_EQ(lex(".5"), "Dot Number(5)");
    EXPECT_EQ(lex(".5.5"), "Dot Float(5.5)");
}

TEST(LexerNumbers, SecondDotEndsTheLiteral) {
    EXPECT_EQ(lex("1.2.3"), "Float(1.2) Dot Number(3)");
    EXPECT_EQ(lex("1.2.3.4"), "Float(1.2) Dot Float(3.4)");
    EXPECT_EQ(lex("1.2."), "Float(1.2) Dot");
}

TEST(LexerNumbers, AnyOtherCharacterEndsTheLiteral) {
    EXPECT_EQ(lex("12ab"), "Number(12) Identifier(ab)");
    EXPECT_EQ(lex("1.5x"), "Float(1.5) Identifier(x)");
    EXPECT_EQ(lex("1_000"), "Number(1) Identifier(_000)");
    // No exponent, hexadecimal form or digit separator.
    EXPECT_EQ(lex("1.5e3"), "Float(1.5) Identifier(e3)");
    EXPECT_EQ(lex("1e3"), "Number(1) Identifier(e3)");
    EXPECT_EQ(lex("0x1F"), "Number(0) Identifier(x1F)");
    EXPECT_EQ(lex("1,000"), "Number(1) Comma Number(0)");
    EXPECT_EQ(lex("1'000"), "Number(1) Number(0)");
    // Only ASCII digits make a number.
    EXPECT_EQ(lex("1\xd9\xa3"), "Number(1)"); // ARABIC-INDIC DIGIT THREE
    EXPECT_EQ(lex("\xd9\xa3"
                  "1"),
              "Number(1)");
    EXPECT_EQ(lex("2\xc2\xb2"), "Number(2)"); // SUPERSCRIPT TWO
}

// ---------------------------------------------------------------------------
// Strings.

TEST(LexerStrings, PlainText) {
    EXPECT_EQ(lex("\"\""), "String(\"\")");
    EXPECT_EQ(lex("\"hello world\""), "String(\"hello world\")");
    EXPECT_EQ(lex("\"a\"\"b\""), "String(\"a\") String(\"b\")");
    EXPECT_EQ(lex("\"'single'\""), "String(\"'single'\")");
}

TEST(LexerStrings, LineBreaksAreKept) {
    TokenList tokens = tokenize("\"one\ntwo\r\n\tthree\"");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0], Token(TokenKind::String, "one\ntwo\r\n\tthree"));
}

TEST(LexerStrings, Escapes) {
    EXPECT_EQ(tokenize(R"("\n")")[0], Token(TokenKind::String, "\n"));
    EXPECT_EQ(tokenize(R"("\t")")[0], Token(TokenKind::String, "\t"));
    EXPECT_EQ(tokenize(R"("\r")")[0], Token(TokenKind::String, "\r"));
    EXPECT_EQ(tokenize(R"("\\")")[0], Token(TokenKind::String, "\\"));
    EXPECT_EQ(tokenize(R"("\"")")[0], Token(TokenKind::String, "\""));
    EXPECT_EQ(tokenize(R"("a\"b" c)"),
              (TokenList{Token(TokenKind::String, "a\"b"), Token(TokenKind::Identifier, "c"),
                         Token(TokenKind::Eof)}));
    // An escaped backslash does not escape what follows it.
    EXPECT_EQ(tokenize(R"("\\n")")[0], Token(TokenKind::String, "\\n"));
    EXPECT_EQ(lex(R"("\\" x)"), R"(String("\\") Identifier(x))");
    EXPECT_EQ(tokenize(R"("x\n\t\r\\\"y")")[0], Token(TokenKind::String, "x\n\t\r\\\"y"));
}

TEST(LexerStrings, UnknownEscapeKeepsBackslashAndCharacter) {
    EXPECT_EQ(tokenize(R"("a\qb")")[0], Token(TokenKind::String, "a\\qb"));
    EXPECT_EQ(tokenize(R"("\0")")[0], Token(TokenKind::String, "\\0"));
    EXPECT_EQ(tokenize(R"("\'")")[0], Token(TokenKind::String, "\\'"));
    EXPECT_EQ(tokenize(R"("\N")")[0], Token(TokenKind::String, "\\N"));
    EXPECT_EQ(tokenize(R"("\ ")")[0], Token(TokenKind::String, "\\ "));
    EXPECT_EQ(tokenize("\"\\\n\"")[0], Token(TokenKind::String, "\\\n"));
    // The character after the backslash is a whole character, not a byte.
    EXPECT_EQ(tokenize("\"\\\xc3\xa9\"")[0], Token(TokenKind::String, "\\\xc3\xa9"));
    EXPECT_EQ(tokenize("\"\\\xe2\x82\xac!\"")[0], Token(TokenKind::String, "\\\xe2\x82\xac!"));
    EXPECT_EQ(tokenize("\"\\\xf0\x9f\x98\x80\"")[0],
              Token(TokenKind::String, "\\\xf0\x9f\x98\x80"));
}

TEST(LexerStrings, UnterminatedStringKeepsWhatWasCollected) {
    EXPECT_EQ(lex("\"abc"), "String(\"abc\")");
    EXPECT_EQ(lex("x \""), "Identifier(x) String(\"\")");
    EXPECT_EQ(lex("\"line\nnext"), "String(\"line\\nnext\")");
    // An escaped quote does not close it.
    EXPECT_EQ(lex(R"("abc\")"), R"(String("abc\""))");
    EXPECT_EQ(lex(R"("a\n)"), R"(String("a\n"))");
}

TEST(LexerStrings, BackslashAsLastCharacterIsDropped) {
    EXPECT_EQ(tokenize("\"abc\\")[0], Token(TokenKind::String, "abc"));
    EXPECT_EQ(tokenize("\"\\")[0], Token(TokenKind::String, ""));
    EXPECT_EQ(tokenize("\"\\\\\\")[0], Token(TokenKind::String, "\\"));
}

TEST(LexerStrings, NonAsciiTextIsKept) {
    EXPECT_EQ(tokenize("\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\"")[0],
              Token(TokenKind::String, "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"));
}

TEST(LexerStrings, NoSingleQuotedStrings) {
    EXPECT_EQ(lex("'word'"), "Identifier(word)");
    EXPECT_EQ(lex("'two words'"), "Identifier(two) Identifier(words)");
}

// ---------------------------------------------------------------------------
// Identifiers and keywords.

TEST(LexerIdentifiers, AsciiNames) {
    EXPECT_EQ(lex("x"), "Identifier(x)");
    EXPECT_EQ(lex("_"), "Identifier(_)");
    EXPECT_EQ(lex("__init__"), "Identifier(__init__)");
    EXPECT_EQ(lex("a1b2"), "Identifier(a1b2)");
    EXPECT_EQ(lex("_9"), "Identifier(_9)");
    EXPECT_EQ(lex("CamelCase snake_case"), "Identifier(CamelCase) Identifier(snake_case)");
    EXPECT_EQ(lex("null"), "Identifier(null)");
}

TEST(LexerIdentifiers, UnicodeLettersAndNumbersContinueAName) {
    EXPECT_EQ(lex("caf\xc3\xa9"), "Identifier(caf\xc3\xa9)");
    EXPECT_EQ(lex("x\xc3\xa9"), "Identifier(x\xc3\xa9)");
    EXPECT_EQ(lex("x\xc2\xb2"), "Identifier(x\xc2\xb2)");         // SUPERSCRIPT TWO
    EXPECT_EQ(lex("a\xd9\xa3"), "Identifier(a\xd9\xa3)");         // ARABIC-INDIC THREE
    EXPECT_EQ(lex("v\xe2\x85\xab"), "Identifier(v\xe2\x85\xab)"); // ROMAN NUMERAL TWELVE
    EXPECT_EQ(lex("x\xe6\x97\xa5\xe6\x9c\xac"), "Identifier(x\xe6\x97\xa5\xe6\x9c\xac)");
    EXPECT_EQ(lex("a\xce\xbb"
                  "b"),
              "Identifier(a\xce\xbb"
              "b)");                                                      // GREEK SMALL LAMDA
    EXPECT_EQ(lex("x\xf0\x9d\x90\x80"), "Identifier(x\xf0\x9d\x90\x80)"); // MATHEMATICAL BOLD A
}

TEST(LexerIdentifiers, AlphabeticMeansTheUnicodeProperty) {
    // Vowel signs and circled letters are not letters by category, but they
    // are alphabetic characters.
    EXPECT_EQ(lex("x\xe0\xa4\x95\xe0\xa4\xbf"),
              "Identifier(x\xe0\xa4\x95\xe0\xa4\xbf)");           // KA, VOWEL SIGN I
    EXPECT_EQ(lex("x\xe2\x92\xb6"), "Identifier(x\xe2\x92\xb6)"); // CIRCLED LATIN CAPITAL A
}

TEST(LexerIdentifiers, NonAsciiCharacterCannotBeginAName) {
    EXPECT_EQ(lex("\xc3\xa9x"), "Identifier(x)");
    EXPECT_EQ(lex("\xc3\xa9"), "");
    EXPECT_EQ(lex("\xe6\x97\xa5\xe6\x9c\xac"), "");
    EXPECT_EQ(lex("\xc2\xb2x"), "Identifier(x)");
    EXPECT_EQ(lex("\xce\xbb x"), "Identifier(x)");
}

TEST(LexerIdentifiers, OtherNonAsciiCharactersEndAName) {
    EXPECT_EQ(lex("a\xe2\x82\xac"
                  "b"),
              "Identifier(a) Identifier(b)"); // EURO SIGN
    EXPECT_EQ(lex("a\xc2\xa0"
                  "b"),
              "Identifier(a) Identifier(b)"); // NO-BREAK SPACE
    EXPECT_EQ(lex("a\xf0\x9f\x98\x80"
                  "b"),
              "Identifier(a) Identifier(b)"); // an emoji
    // A combining accent is neither alphabetic nor numeric.
    EXPECT_EQ(lex("cafe\xcc\x81"), "Identifier(cafe)");
}

TEST(LexerIdentifiers, AsciiPunctuationEndsAName) {
    EXPECT_EQ(lex("a$b"), "Identifier(a) Identifier(b)");
    EXPECT_EQ(lex("a-b"), "Identifier(a) Minus Identifier(b)");
    EXPECT_EQ(lex("a\"b\""), "Identifier(a) String(\"b\")");
    EXPECT_EQ(lex("a#b"), "Identifier(a)");
}

TEST(LexerKeywords, AreCaseSensitive) {
    EXPECT_EQ(lex("True If LET Else NOT nOt"),
              "Identifier(True) Identifier(If) Identifier(LET) Identifier(Else) Identifier(NOT) "
              "Identifier(nOt)");
}

TEST(LexerKeywords, OnlyTheWholeWordIsAKeyword) {
    EXPECT_EQ(lex("lets iff _if if_ if2 format elsewhere continues notx"),
              "Identifier(lets) Identifier(iff) Identifier(_if) Identifier(if_) Identifier(if2) "
              "Identifier(format) Identifier(elsewhere) Identifier(continues) Identifier(notx)");
    EXPECT_EQ(lex("i f"), "Identifier(i) Identifier(f)");
    EXPECT_EQ(lex("if\xc3\xa9 in\xc2\xb2"), "Identifier(if\xc3\xa9) Identifier(in\xc2\xb2)");
    EXPECT_EQ(lex("if(x)"), "If LeftParen Identifier(x) RightParen");
    EXPECT_EQ(lex("true.false"), "True Dot False");
}

TEST(LexerKeywords, SevenLetterWordsAreNeverKeywords) {
    EXPECT_EQ(lex("returns globals matches default finally breaks letting"),
              "Identifier(returns) Identifier(globals) Identifier(matches) Identifier(default) "
              "Identifier(finally) Identifier(breaks) Identifier(letting)");
    // The eight-letter keyword with one letter missing.
    EXPECT_EQ(lex("continu ontinue"), "Identifier(continu) Identifier(ontinue)");
}

// ---------------------------------------------------------------------------
// Characters that are skipped.

TEST(LexerSkipped, UnrecognisedAsciiCharacters) {
    for (const char* c : {"$", "&", "'", "@", "\\", "^", "`", "|", "~"}) {
        EXPECT_EQ(lex(c), "") << c;
        EXPECT_EQ(lex(std::string("a") + c + "b"), "Identifier(a) Identifier(b)") << c;
    }
    EXPECT_EQ(lex("x & y | z"), "Identifier(x) Identifier(y) Identifier(z)");
    EXPECT_EQ(lex("@decorator ~x ^y"), "Identifier(decorator) Identifier(x) Identifier(y)");
}

TEST(LexerSkipped, ControlCharacters) {
    for (int c = 0; c < 0x20; ++c) {
        if (c == '\t' || c == '\n' || c == '\r') continue;
        const std::string text = std::string("a") + static_cast<char>(c) + "1";
        EXPECT_EQ(lex(text), "Identifier(a) Number(1)") << "control character " << c;
    }
    EXPECT_EQ(lex(std::string("a\x7f"
                              "1")),
              "Identifier(a) Number(1)");
    EXPECT_EQ(lex(std::string("\0\0x\0", 4)), "Identifier(x)");
}

TEST(LexerSkipped, WhiteSpaceSeparatesTokens) {
    EXPECT_EQ(lex("a\tb\nc\rd e"),
              "Identifier(a) Identifier(b) Identifier(c) Identifier(d) Identifier(e)");
    EXPECT_EQ(lex("1 2"), "Number(1) Number(2)");
    EXPECT_EQ(lex("= ="), "Assign Assign");
}

// ---------------------------------------------------------------------------
// Malformed UTF-8: such text never reaches the lexer from a script file, but
// may come from other callers. The lexer must not crash, and a bad byte must
// not swallow the ASCII characters around it.

TEST(LexerMalformedUtf8, BadBytesWhereATokenWouldBeginAreSkipped) {
    EXPECT_EQ(lex("\xff"), "");
    EXPECT_EQ(lex("\x80x"), "Identifier(x)");
    EXPECT_EQ(lex("\xc3"), "");                   // truncated at the end
    EXPECT_EQ(lex("\xc3x"), "Identifier(x)");     // lead byte without its trail
    EXPECT_EQ(lex("\xe2\x82x"), "Identifier(x)"); // three-byte form cut short
    EXPECT_EQ(lex("\xf0\x9f\x98(1)"), "LeftParen Number(1) RightParen");
    EXPECT_EQ(lex("\xc0\xaf/"), "Slash"); // overlong form of "/"
    EXPECT_EQ(lex("\xed\xa0\x80"
                  "1"),
              "Number(1)");                               // encoded surrogate
    EXPECT_EQ(lex("\xf4\x90\x80\x80z"), "Identifier(z)"); // beyond U+10FFFF
    EXPECT_EQ(lex("\xc3\"s\""), "String(\"s\")");
}

TEST(LexerMalformedUtf8, BadByteEndsAnIdentifier) {
    EXPECT_EQ(lex("ab\xff"
                  "cd"),
              "Identifier(ab) Identifier(cd)");
    EXPECT_EQ(lex("ab\x80"), "Identifier(ab)");
    EXPECT_EQ(lex("ab\xc3"), "Identifier(ab)");
    EXPECT_EQ(lex("ab\xe2\x82 c"), "Identifier(ab) Identifier(c)");
    EXPECT_EQ(lex("ab\xe2\x82+c"), "Identifier(ab) Plus Identifier(c)");
    EXPECT_EQ(lex("caf\xc3\xa9\xff"), "Identifier(caf\xc3\xa9)");
    EXPECT_EQ(lex("if\xff"), "If");
}

TEST(LexerMalformedUtf8, StringsStillCloseAtTheirQuote) {
    TokenList tokens = tokenize("\"a\xff"
                                "b\" c");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].kind, TokenKind::String);
    EXPECT_EQ(tokens[1], Token(TokenKind::Identifier, "c"));

    // A bad sequence right after a backslash must not take the closing quote.
    for (const char* bad : {"\xff", "\x80", "\xc3", "\xe2\x82", "\xf0\x9f\x98"}) {
        tokens = tokenize(std::string("\"\\") + bad + "\" c");
        ASSERT_EQ(tokens.size(), 3u) << lex(std::string("\"\\") + bad + "\" c");
        EXPECT_EQ(tokens[0].kind, TokenKind::String);
        EXPECT_EQ(tokens[1], Token(TokenKind::Identifier, "c"));
    }
    // And at the very end of the text.
    for (const char* bad : {"\"\\\xc3", "\"\\\xe2\x82", "\"\xf0\x9f"}) {
        tokens = tokenize(bad);
        ASSERT_EQ(tokens.size(), 2u);
        EXPECT_EQ(tokens[0].kind, TokenKind::String);
    }
}

// ---------------------------------------------------------------------------
// The final Eof.

TEST(LexerEof, TextWithoutTokensGivesOnlyEof) {
    for (const char* text :
         {"", " ", "\n\t\r ", "# only a comment", "/* only */", "/* open", "# a\n/* b */\n"}) {
        EXPECT_EQ(tokenize(text), TokenList{Token(TokenKind::Eof)}) << text;
    }
}

TEST(LexerEof, EveryListEndsWithExactlyOneEof) {
    // Every text of up to two bytes, from an alphabet holding the start of
    // every token, the skipped characters and bytes of every UTF-8 class.
    const std::string alphabet =
        std::string("!\"#*+-./0;<=>\\_a \n", 18) + std::string("\0\x7f\x80\xbf\xc3\xe2\xf0\xff", 8);
    std::vector<std::string> texts = {""};
    for (char a : alphabet) {
        texts.emplace_back(1, a);
        for (char b : alphabet) {
            texts.push_back(std::string{a, b});
            for (char c : alphabet)
                texts.push_back(std::string{a, b, c});
        }
    }
    // And a few thousand random byte strings.
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
    for (int i = 0; i < 5000; ++i) {
        std::string s(static_cast<std::size_t>(length(rng)), '\0');
        for (char& ch : s)
            ch = static_cast<char>(byte(rng));
        texts.push_back(std::move(s));
    }
    for (const std::string& text : texts) {
        TokenList tokens = tokenize(text);
        ASSERT_FALSE(tokens.empty());
        EXPECT_EQ(tokens.back().kind, TokenKind::Eof);
        EXPECT_EQ(count_eof(tokens), 1u);
    }
}

TEST(LexerEof, LexingIsRepeatable) {
    // The lexer keeps no state from one call to the next.
    const std::string open_comment = "/* never closed";
    const std::string text = "let x = \"s\" # c";
    EXPECT_EQ(lex(open_comment), "");
    EXPECT_EQ(lex(text), "Let Identifier(x) Assign String(\"s\")");
    EXPECT_EQ(lex("\"open"), "String(\"open\")");
    EXPECT_EQ(lex(text), "Let Identifier(x) Assign String(\"s\")");
}

TEST(LexerProgram, TypicalScript) {
    EXPECT_EQ(lex("def main() {\n"
                  "    let xs = [1, 2.5, \"three\"]\n"
                  "    for x in xs { if not (x == null) and x != 0 { print(x) } }\n"
                  "    match y { 1 => z -= 1, _ => global w }\n"
                  "    try { return a ** 2 } catch { break }\n"
                  "}"),
              "Def Identifier(main) LeftParen RightParen LeftBrace "
              "Let Identifier(xs) Assign LeftBracket Number(1) Comma Float(2.5) Comma "
              "String(\"three\") RightBracket "
              "For Identifier(x) In Identifier(xs) LeftBrace If Not LeftParen Identifier(x) "
              "Equal Identifier(null) RightParen And Identifier(x) NotEqual Number(0) LeftBrace "
              "Identifier(print) LeftParen Identifier(x) RightParen RightBrace RightBrace "
              "Match Identifier(y) LeftBrace Number(1) FatArrow Identifier(z) MinusAssign "
              "Number(1) Comma Identifier(_) FatArrow Global Identifier(w) RightBrace "
              "Try LeftBrace Return Identifier(a) Power Number(2) RightBrace Catch LeftBrace "
              "Break RightBrace RightBrace");
}

} // namespace
} // namespace quillo
