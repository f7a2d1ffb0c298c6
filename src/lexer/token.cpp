#include "lexer/token.h"

#include <array>
#include <charconv>
#include <cstring>

namespace quillo {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(TokenKind::Eof) + 1> kKindNames = {
    "Let",        "Def",         "Return",      "If",           "Else",      "While",
    "For",        "In",          "Break",       "Continue",     "True",      "False",
    "And",        "Or",          "Not",         "Match",        "Try",       "Catch",
    "Global",     "Identifier",  "Number",      "Float",        "String",    "Plus",
    "Minus",      "Star",        "Slash",       "Percent",      "Power",     "Assign",
    "PlusAssign", "MinusAssign", "StarAssign",  "SlashAssign",  "Equal",     "NotEqual",
    "Less",       "Greater",     "LessEqual",   "GreaterEqual", "LeftParen", "RightParen",
    "LeftBrace",  "RightBrace",  "LeftBracket", "RightBracket", "Comma",     "Colon",
    "Semicolon",  "Arrow",       "FatArrow",    "Dot",          "Question",  "Eof",
};

} // namespace

bool Token::operator==(const Token& other) const {
    if (kind != other.kind) return false;
    switch (kind) {
    case TokenKind::Identifier:
    case TokenKind::String: return symbol_ == other.symbol_;
    case TokenKind::Number: return integer_ == other.integer_;
    case TokenKind::Float: return std::memcmp(&floating_, &other.floating_, sizeof floating_) == 0;
    default: return true;
    }
}

void append_quoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        default: out += c;
        }
    }
    out += '"';
}

std::string_view token_kind_name(TokenKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::string describe(const Token& token) {
    std::string out(token_kind_name(token.kind));
    switch (token.kind) {
    case TokenKind::Identifier:
        out += '(';
        out += token.text();
        out += ')';
        break;
    case TokenKind::String:
        out += '(';
        append_quoted(out, token.text());
        out += ')';
        break;
    case TokenKind::Number: out += '(' + std::to_string(token.integer()) + ')'; break;
    case TokenKind::Float: {
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, token.floating_value());
        out += '(';
        out.append(buf, r.ptr);
        out += ')';
        break;
    }
    default: break;
    }
    return out;
}

} // namespace quillo
