// Tokens: the flat sequence the lexer produces and the parser consumes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/symbol.h"

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
//
// Texts are interned symbols, so a token is sixteen bytes and copying one
// never allocates.
class Token {
  public:
    TokenKind kind = TokenKind::Eof;

    Token() : integer_(0) {}
    explicit Token(TokenKind k) : kind(k), integer_(0) {}
    // For Identifier and String tokens.
    Token(TokenKind k, Symbol text) : kind(k), symbol_(text) {}
    static Token number(std::int64_t v) {
        Token t(TokenKind::Number);
        t.integer_ = v;
        return t;
    }
    static Token floating(double v) {
        Token t(TokenKind::Float);
        t.floating_ = v;
        return t;
    }

    bool has_text() const { return kind == TokenKind::Identifier || kind == TokenKind::String; }
    // The text of an Identifier or String token; empty for other kinds.
    Symbol symbol() const { return has_text() ? symbol_ : Symbol(); }
    const std::string& text() const { return symbol().text(); }
    // The value of a Number (Float) token; 0 for other kinds.
    std::int64_t integer() const { return kind == TokenKind::Number ? integer_ : 0; }
    double floating_value() const { return kind == TokenKind::Float ? floating_ : 0.0; }

    // Same kind and same payload (floats compared bit for bit).
    bool operator==(const Token& other) const;

  private:
    union {
        std::int64_t integer_;
        double floating_;
        Symbol symbol_;
    };
};

// A compact readable form for tests and diagnostics: `Identifier(x)`,
// `Number(7)`, `Float(0.5)`, `String("a\n")`, or the bare kind name.
std::string describe(const Token& token);

// Appends a text in double quotes with line feed, tab, carriage return,
// backslash and double quote escaped, so that it reads unambiguously. Used
// by describe() and by the syntax-tree printer.
void append_quoted(std::string& out, std::string_view text);

using TokenList = std::vector<Token>;

} // namespace quillo
