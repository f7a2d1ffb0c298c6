#include "lexer/lexer.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace quillo {

namespace {

// Characters that may continue an identifier: "_" or any character that is
// alphabetic or numeric in Unicode's sense (letters with the Alphabetic
// property; decimal digits, letter numbers such as Roman numerals and other
// numbers such as superscripts).
bool continues_identifier(UChar32 c) {
    if (c < 0x80) {
        return c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               (c >= '0' && c <= '9');
    }
    if (u_hasBinaryProperty(c, UCHAR_ALPHABETIC)) return true;
    switch (u_charType(c)) {
    case U_DECIMAL_DIGIT_NUMBER:
    case U_LETTER_NUMBER:
    case U_OTHER_NUMBER: return true;
    default: return false;
    }
}

bool is_ascii_digit(char c) {
    return c >= '0' && c <= '9';
}

// Keyword recognition narrows by length first: only texts of 2 to 8 bytes can
// be keywords, and no keyword has 7 letters.
bool keyword_kind(std::string_view w, TokenKind& out) {
    auto is = [&](std::string_view k, TokenKind kind) {
        if (w == k) {
            out = kind;
            return true;
        }
        return false;
    };
    switch (w.size()) {
    case 2: return is("if", TokenKind::If) || is("in", TokenKind::In) || is("or", TokenKind::Or);
    case 3:
        return is("let", TokenKind::Let) || is("def", TokenKind::Def) ||
               is("for", TokenKind::For) || is("and", TokenKind::And) ||
               is("not", TokenKind::Not) || is("try", TokenKind::Try);
    case 4: return is("else", TokenKind::Else) || is("true", TokenKind::True);
    case 5:
        return is("while", TokenKind::While) || is("break", TokenKind::Break) ||
               is("false", TokenKind::False) || is("match", TokenKind::Match) ||
               is("catch", TokenKind::Catch);
    case 6: return is("return", TokenKind::Return) || is("global", TokenKind::Global);
    case 8: return is("continue", TokenKind::Continue);
    default: return false;
    }
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : src_(text) {
        // A rough guess that avoids most regrowth of the token array.
        out_.reserve(text.size() / 4 + 1);
    }

    TokenList run() {
        while (pos_ < src_.size())
            step();
        out_.emplace_back(TokenKind::Eof);
        return std::move(out_);
    }

  private:
    std::string_view src_;
    std::size_t pos_ = 0;
    TokenList out_;
    std::string buffer_; // the decoded text of the string literal being read

    bool at_end() const { return pos_ >= src_.size(); }
    char peek() const { return pos_ < src_.size() ? src_[pos_] : '\0'; }
    char peek_at(std::size_t ahead) const {
        return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0';
    }

    // Decodes the code point at pos_ without consuming it; sets len to its
    // byte length. Malformed sequences decode as U+FFFD covering the bytes
    // the decoder rejected (at least one).
    UChar32 peek_code_point(std::size_t& len) const {
        unsigned char b = static_cast<unsigned char>(src_[pos_]);
        if (b < 0x80) {
            len = 1;
            return b;
        }
        std::int32_t i = 0;
        const auto n = static_cast<std::int32_t>(
            std::min<std::size_t>(src_.size() - pos_, std::numeric_limits<std::int32_t>::max()));
        UChar32 c;
        U8_NEXT(reinterpret_cast<const std::uint8_t*>(src_.data() + pos_), i, n, c);
        len = static_cast<std::size_t>(i);
        return c < 0 ? 0xFFFD : c;
    }

    void emit(TokenKind k) { out_.emplace_back(k); }

    // An operator whose token may take a second character.
    void two_char(TokenKind single, char next1, TokenKind with1, char next2, TokenKind with2) {
        char n = peek();
        if (!at_end() && n == next1) {
            ++pos_;
            emit(with1);
        } else if (!at_end() && next2 != '\0' && n == next2) {
            ++pos_;
            emit(with2);
        } else {
            emit(single);
        }
    }

    void step() {
        const char c = src_[pos_];
        switch (c) {
        case ' ':
        case '\t':
        case '\n':
        case '\r': ++pos_; return;
        case '#': line_comment(); return;
        case '(':
            ++pos_;
            emit(TokenKind::LeftParen);
            return;
        case ')':
            ++pos_;
            emit(TokenKind::RightParen);
            return;
        case '{':
            ++pos_;
            emit(TokenKind::LeftBrace);
            return;
        case '}':
            ++pos_;
            emit(TokenKind::RightBrace);
            return;
        case '[':
            ++pos_;
            emit(TokenKind::LeftBracket);
            return;
        case ']':
            ++pos_;
            emit(TokenKind::RightBracket);
            return;
        case ',':
            ++pos_;
            emit(TokenKind::Comma);
            return;
        case ':':
            ++pos_;
            emit(TokenKind::Colon);
            return;
        case ';':
            ++pos_;
            emit(TokenKind::Semicolon);
            return;
        case '.':
            ++pos_;
            emit(TokenKind::Dot);
            return;
        case '?':
            ++pos_;
            emit(TokenKind::Question);
            return;
        case '%':
            ++pos_;
            emit(TokenKind::Percent);
            return;
        case '!':
            ++pos_;
            two_char(TokenKind::Not, '=', TokenKind::NotEqual, '\0', TokenKind::Eof);
            return;
        case '<':
            ++pos_;
            two_char(TokenKind::Less, '=', TokenKind::LessEqual, '\0', TokenKind::Eof);
            return;
        case '>':
            ++pos_;
            two_char(TokenKind::Greater, '=', TokenKind::GreaterEqual, '\0', TokenKind::Eof);
            return;
        case '=':
            ++pos_;
            two_char(TokenKind::Assign, '=', TokenKind::Equal, '>', TokenKind::FatArrow);
            return;
        case '+':
            ++pos_;
            two_char(TokenKind::Plus, '=', TokenKind::PlusAssign, '\0', TokenKind::Eof);
            return;
        case '-':
            ++pos_;
            two_char(TokenKind::Minus, '=', TokenKind::MinusAssign, '>', TokenKind::Arrow);
            return;
        case '*':
            ++pos_;
            two_char(TokenKind::Star, '=', TokenKind::StarAssign, '*', TokenKind::Power);
            return;
        case '/':
            ++pos_;
            if (!at_end() && peek() == '*') {
                ++pos_;
                block_comment();
            } else {
                two_char(TokenKind::Slash, '=', TokenKind::SlashAssign, '\0', TokenKind::Eof);
            }
            return;
        case '"':
            ++pos_;
            string_literal();
            return;
        default: break;
        }
        if (is_ascii_digit(c)) {
            number();
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') {
            identifier();
        } else {
            // Anything else, including a non-ASCII character where a token
            // would begin, is consumed and produces nothing.
            std::size_t len;
            (void)peek_code_point(len);
            pos_ += len;
        }
    }

    void line_comment() {
        const void* nl = std::memchr(src_.data() + pos_, '\n', src_.size() - pos_);
        pos_ = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - src_.data()) + 1
                  : src_.size();
    }

    // After "/*": runs to the first "*/" whose "*" comes after the opening
    // pair, or to the end of the text. Comments do not nest.
    void block_comment() {
        char prev = '\0';
        while (!at_end()) {
            char c = src_[pos_++];
            if (c == '/' && prev == '*') return;
            prev = c;
        }
    }

    void number() {
        const std::size_t start = pos_;
        while (!at_end() && is_ascii_digit(peek()))
            ++pos_;
        const std::size_t int_end = pos_;
        if (!at_end() && peek() == '.' && is_ascii_digit(peek_at(1))) {
            ++pos_;
            while (!at_end() && is_ascii_digit(peek()))
                ++pos_;
            out_.push_back(Token::floating(parse_float(src_.substr(start, pos_ - start))));
            return;
        }
        // A digit run beyond the 64-bit range keeps its value modulo 2^64,
        // read as a signed integer: the same wrap-around as all integer
        // arithmetic of the language. This also makes the smallest integer
        // writable: 9223372036854775808 is -9223372036854775808, and negating
        // it wraps to itself.
        std::uint64_t v = 0;
        for (std::size_t i = start; i < int_end; ++i) {
            v = v * 10u + static_cast<std::uint64_t>(src_[i] - '0');
        }
        out_.push_back(Token::number(static_cast<std::int64_t>(v)));
    }

    // The double nearest to a literal of the form DIGITS.DIGITS; a value
    // beyond the range of doubles is positive infinity, one too small for the
    // smallest subnormal is zero.
    static double parse_float(std::string_view lit) {
        double v = 0.0;
        auto [ptr, ec] = std::from_chars(lit.data(), lit.data() + lit.size(), v);
        (void)ptr;
        if (ec == std::errc::result_out_of_range) {
            // Underflow can only happen when every digit before the point is 0.
            bool integral_zero = true;
            for (char ch : lit) {
                if (ch == '.') break;
                if (ch != '0') integral_zero = false;
            }
            v = integral_zero ? 0.0 : std::numeric_limits<double>::infinity();
        }
        return v;
    }

    void string_literal() {
        std::string& text = buffer_;
        text.clear();
        while (!at_end()) {
            // Copy a run of ordinary bytes at once.
            std::size_t run = pos_;
            while (run < src_.size() && src_[run] != '"' && src_[run] != '\\')
                ++run;
            text.append(src_.data() + pos_, run - pos_);
            pos_ = run;
            if (at_end()) break;
            char c = src_[pos_++];
            if (c == '"') {
                out_.emplace_back(TokenKind::String, Symbol(text));
                return;
            }
            // A backslash: it takes the character after it. A backslash that
            // is the last character of the text is dropped.
            if (at_end()) break;
            char e = src_[pos_];
            switch (e) {
            case 'n':
                text += '\n';
                ++pos_;
                break;
            case 't':
                text += '\t';
                ++pos_;
                break;
            case 'r':
                text += '\r';
                ++pos_;
                break;
            case '\\':
                text += '\\';
                ++pos_;
                break;
            case '"':
                text += '"';
                ++pos_;
                break;
            default: {
                // Any other character: the backslash and that whole character
                // are both kept.
                std::size_t len;
                (void)peek_code_point(len);
                text += '\\';
                text.append(src_.data() + pos_, len);
                pos_ += len;
                break;
            }
            }
        }
        // The text ended inside the literal: keep what was collected.
        out_.emplace_back(TokenKind::String, Symbol(text));
    }

    void identifier() {
        const std::size_t start = pos_;
        ++pos_;
        while (!at_end()) {
            unsigned char b = static_cast<unsigned char>(src_[pos_]);
            if (b < 0x80) {
                if (!continues_identifier(b)) break;
                ++pos_;
                continue;
            }
            std::size_t len;
            UChar32 cp = peek_code_point(len);
            if (!continues_identifier(cp)) break;
            pos_ += len;
        }
        std::string_view word = src_.substr(start, pos_ - start);
        TokenKind kw;
        if (keyword_kind(word, kw)) {
            emit(kw);
        } else {
            out_.emplace_back(TokenKind::Identifier, Symbol(word));
        }
    }
};

} // namespace

TokenList tokenize(std::string_view text) {
    return Lexer(text).run();
}

std::span<const std::string_view> keyword_texts() {
    static constexpr std::string_view kKeywords[] = {
        "and", "break", "catch", "continue", "def", "else",   "false", "for", "global", "if",
        "in",  "let",   "match", "not",      "or",  "return", "true",  "try", "while",
    };
    return kKeywords;
}

} // namespace quillo
