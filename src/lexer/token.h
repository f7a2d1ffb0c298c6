// Tokens: the flat sequence the lexer produces and the parser consumes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillo {

// The complete set of token kinds, in their canonical order.
enum class TokenKind : std::uint8_t {
    Let,
    Def,
    Return,
    If,
    Else,
    While,
    For,
    In,
    Break,
    Continue,
    True,
    False,
    And,
    Or,
    Not,
    Match,
    Try,
    Catch,
    Global,
    Identifier,
    Number,
    Float,
    String,
    Plus,
    Minus,
    Star,
    Slash,
    Percent,
    Power,
    Assign,
    PlusAssign,
    MinusAssign,
    StarAssign,
    SlashAssign,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
    LeftBracket,
    RightBracket,
    Comma,
    Colon,
    Semicolon,
    Arrow,
    FatArrow,
    Dot,
    Question,
    Eof,
};

// The kind's name as written in this enumeration, e.g. "LeftParen".
std::string_view token_kind_name(TokenKind kind);

// A token: its kind plus, for Identifier and String a text, for Number a
// signed 64-bit integer, for Float a double. Every other kind carries nothing.
// Tokens carry no source position.
struct Token {
    TokenKind kind = TokenKind::Eof;
    std::variant<std::monostate, std::string, std::int64_t, double> payload;

    Token() = default;
    explicit Token(TokenKind k) : kind(k) {}
    Token(TokenKind k, std::string text) : kind(k), payload(std::move(text)) {}
    static Token number(std::int64_t v) {
        Token t(TokenKind::Number);
        t.payload = v;
        return t;
    }
    static Token floating(double v) {
        Token t(TokenKind::Float);
        t.payload = v;
        return t;
    }

    // Payload accessors; only valid for the kinds that carry that payload.
    const std::string& text() const { return std::get<std::string>(payload); }
    std::int64_t integer() const { return std::get<std::int64_t>(payload); }
    double floating_value() const { return std::get<double>(payload); }

    bool operator==(const Token&) const = default;
};

// A compact readable form for tests and diagnostics: `Identifier(x)`,
// `Number(7)`, `Float(0.5)`, `String("a\n")`, or the bare kind name.
std::string describe(const Token& token);

using TokenList = std::vector<Token>;

} // namespace quillo
