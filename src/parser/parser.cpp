#include "parser/parser.h"

#include <algorithm>
#include <utility>

namespace quillo {

namespace {

// Parser state: the borrowed token list and a read position that only grows.
// Reading past the end yields a constant Eof token. (The tokens are only read,
// never changed, so the parser works on the caller's list directly instead of
// a private copy.)
class Parser {
  public:
    explicit Parser(const TokenList& tokens) : tokens_(tokens) {}

    Program program() {
        Program prog;
        while (kind() != TokenKind::Eof) {
            const std::size_t before = pos_;
            if (auto s = parse_statement()) prog.statements.push_back(std::move(*s));
            ensure_progress(before);
        }
        prog.too_deep = limit_reached_;
        return prog;
    }

  private:
    const TokenList& tokens_;
    std::size_t pos_ = 0;
    std::size_t depth_ = 0;
    // The height of the expression tree most recently returned by an
    // expression function (a leaf is 1). Chains (`a + b + c ...`, `a.b.c ...`,
    // `a[0][1] ...`) deepen the tree without nesting brackets; a link that
    // would make a tree taller than kMaxNesting is read and dropped, so that
    // no tree is deeper than the code that walks it can follow.
    std::size_t height_ = 0;
    // Set when input reached either limit: the tree is then not the
    // program that was written.
    bool limit_reached_ = false;
    static inline const Token kEof{TokenKind::Eof};

    // ---- token operations -------------------------------------------------

    const Token& current() const { return pos_ < tokens_.size() ? tokens_[pos_] : kEof; }
    TokenKind kind() const { return current().kind; }
    TokenKind kind_at(std::size_t ahead) const {
        return pos_ + ahead < tokens_.size() ? tokens_[pos_ + ahead].kind : TokenKind::Eof;
    }
    void advance() { ++pos_; }
    bool expect(TokenKind k) {
        if (kind() != k) return false;
        advance();
        return true;
    }
    void optional_semicolon() {
        if (kind() == TokenKind::Semicolon) advance();
    }

    // The statement, block, argument, dict and match-arm loops each need an
    // iteration to consume at least one token. Where an iteration consumed
    // nothing, the token it stuck on begins no form the loop can use (for
    // example a stray `)`, `=` or `else`): it is skipped. Whatever the
    // iteration produced (an expression statement of 0, an argument 0) is kept
    // as the grammar produced it.
    void ensure_progress(std::size_t before) {
        if (pos_ == before && kind() != TokenKind::Eof) advance();
    }

    // Bounds recursion: each nested construct holds one level while it is
    // being parsed.
    struct Nest {
        explicit Nest(Parser& p) : p_(p) { ++p_.depth_; }
        ~Nest() { --p_.depth_; }
        Nest(const Nest&) = delete;
        Nest& operator=(const Nest&) = delete;
        Parser& p_;
    };
    bool too_deep() {
        if (depth_ < kMaxNesting) return false;
        limit_reached_ = true;
        return true;
    }
    // Whether a chain link may make a tree of this height; records the
    // limit when it may not.
    bool fits(std::size_t height) {
        if (height <= kMaxNesting) return true;
        limit_reached_ = true;
        return false;
    }

    // ---- statements ---------------------------------------------------------

    Block parse_block() {
        Block b;
        while (kind() != TokenKind::RightBrace && kind() != TokenKind::Eof) {
            const std::size_t before = pos_;
            if (auto s = parse_statement()) b.push_back(std::move(*s));
            ensure_progress(before);
        }
        return b;
    }

    // Parses `{ BLOCK }` after the opening brace was consumed; a missing
    // closing brace is not an error.
    Block braced_rest() {
        Block b = parse_block();
        expect(TokenKind::RightBrace);
        return b;
    }

    std::optional<Stmt> parse_statement() {
        Nest nest(*this);
        if (too_deep()) {
            // Beyond the nesting limit a statement is read as its first token.
            advance();
            return std::nullopt;
        }
        switch (kind()) {
        case TokenKind::Let: return let_statement();
        case TokenKind::Def: return def_statement();
        case TokenKind::Return: return return_statement();
        case TokenKind::If: return if_statement();
        case TokenKind::While: return while_statement();
        case TokenKind::For: return for_statement();
        case TokenKind::Break:
            advance();
            optional_semicolon();
            return Stmt(Stmt::Break{});
        case TokenKind::Continue:
            advance();
            optional_semicolon();
            return Stmt(Stmt::Continue{});
        case TokenKind::Match: return match_statement();
        case TokenKind::Try: return try_statement();
        case TokenKind::Global: return global_statement();
        case TokenKind::Identifier: {
            const TokenKind next = kind_at(1);
            if (next == TokenKind::Assign) {
                Symbol name = current().symbol();
                advance();
                advance();
                Expr value = parse_expression();
                optional_semicolon();
                return Stmt(Stmt::Assign{std::move(name), std::move(value)});
            }
            if (next == TokenKind::PlusAssign || next == TokenKind::MinusAssign ||
                next == TokenKind::StarAssign || next == TokenKind::SlashAssign) {
                Symbol name = current().symbol();
                advance();
                Token op = current();
                advance();
                Expr value = parse_expression();
                optional_semicolon();
                return Stmt(Stmt::CompoundAssign{std::move(op), std::move(name), std::move(value)});
            }
            break;
        }
        default: break;
        }
        Expr e = parse_expression();
        optional_semicolon();
        return Stmt(Stmt::Expression{std::move(e)});
    }

    std::optional<Stmt> let_statement() {
        advance();
        if (kind() != TokenKind::Identifier) return std::nullopt;
        Symbol name = current().symbol();
        advance();
        if (!expect(TokenKind::Assign)) return std::nullopt;
        Expr value = parse_expression();
        optional_semicolon();
        return Stmt(Stmt::Let{std::move(name), std::move(value)});
    }

    std::vector<Symbol> parse_parameters() {
        std::vector<Symbol> params;
        while (kind() == TokenKind::Identifier) {
            params.push_back(current().symbol());
            advance();
            if (kind() == TokenKind::Comma) advance();
        }
        return params;
    }

    std::optional<Stmt> def_statement() {
        advance();
        if (kind() != TokenKind::Identifier) return std::nullopt;
        Symbol name = current().symbol();
        advance();
        if (!expect(TokenKind::LeftParen)) return std::nullopt;
        std::vector<Symbol> params = parse_parameters();
        if (!expect(TokenKind::RightParen)) return std::nullopt;
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block body = braced_rest();
        auto code =
            std::make_shared<const FunctionCode>(FunctionCode{std::move(params), std::move(body)});
        return Stmt(Stmt::FunctionDef{std::move(name), std::move(code)});
    }

    std::optional<Stmt> return_statement() {
        advance();
        std::optional<Expr> value;
        const TokenKind k = kind();
        if (k != TokenKind::RightBrace && k != TokenKind::Semicolon && k != TokenKind::Eof) {
            value = parse_expression();
        }
        optional_semicolon();
        return Stmt(Stmt::Return{std::move(value)});
    }

    std::optional<Stmt> if_statement() {
        advance();
        Expr condition = parse_expression();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block then_body = braced_rest();
        std::optional<Block> else_body;
        if (kind() == TokenKind::Else) {
            advance();
            // `else` not followed by `{` gives no else part; the `else` stays
            // consumed (so `else if` starts a new, independent statement).
            if (expect(TokenKind::LeftBrace)) else_body = braced_rest();
        }
        return Stmt(Stmt::If{std::move(condition), std::move(then_body), std::move(else_body)});
    }

    std::optional<Stmt> while_statement() {
        advance();
        Expr condition = parse_expression();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block body = braced_rest();
        return Stmt(Stmt::While{std::move(condition), std::move(body)});
    }

    std::optional<Stmt> for_statement() {
        advance();
        if (kind() != TokenKind::Identifier) return std::nullopt;
        Symbol variable = current().symbol();
        advance();
        if (!expect(TokenKind::In)) return std::nullopt;
        Expr iterable = parse_expression();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block body = braced_rest();
        return Stmt(Stmt::For{std::move(variable), std::move(iterable), std::move(body)});
    }

    std::optional<Stmt> match_statement() {
        advance();
        Expr subject = parse_expression();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        std::vector<MatchArm> arms;
        while (kind() != TokenKind::RightBrace && kind() != TokenKind::Eof) {
            const std::size_t before = pos_;
            std::optional<Expr> pattern;
            if (kind() == TokenKind::Identifier && current().text() == "_") {
                advance();
            } else {
                pattern = parse_expression();
            }
            if (!expect(TokenKind::FatArrow)) {
                // No `=>`: the pattern is discarded and no arm is added. An
                // arm that consumed nothing at all skips its first token.
                ensure_progress(before);
                continue;
            }
            Block body;
            if (expect(TokenKind::LeftBrace)) {
                body = braced_rest();
            } else {
                body.push_back(Stmt(Stmt::Expression{parse_expression()}));
            }
            optional_semicolon();
            arms.push_back(MatchArm{std::move(pattern), std::move(body)});
        }
        expect(TokenKind::RightBrace);
        return Stmt(Stmt::Match{std::move(subject), std::move(arms)});
    }

    std::optional<Stmt> try_statement() {
        advance();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block body = braced_rest();
        if (!expect(TokenKind::Catch)) return std::nullopt;
        if (kind() != TokenKind::Identifier) return std::nullopt;
        Symbol error_name = current().symbol();
        advance();
        if (!expect(TokenKind::LeftBrace)) return std::nullopt;
        Block handler = braced_rest();
        return Stmt(Stmt::TryCatch{std::move(body), std::move(error_name), std::move(handler)});
    }

    std::optional<Stmt> global_statement() {
        advance();
        if (kind() != TokenKind::Identifier) return std::nullopt;
        Symbol name = current().symbol();
        advance();
        optional_semicolon();
        return Stmt(Stmt::Global{std::move(name)});
    }

    // ---- expressions --------------------------------------------------------

    // The infix operators bind at eight levels, loosest first:
    //   1 `or`   2 `and`   3 `==` `!=`   4 `<` `>` `<=` `>=`   5 `..` (range)
    //   6 `+` `-`   7 `*` `/` `%`   8 `**`
    // and prefix operators, primary forms and postfix operations bind
    // tightest of all (level 9). Every infix operator is left-associative; a
    // range takes additive operands and there is at most one per level, so
    // `a..b..c` stops after `a..b`.
    //
    // The levels are parsed by precedence climbing, one loop for all eight:
    // this builds exactly the trees of one recursive function per level, but
    // an operand is not handed back up through every level, and a nested
    // bracket costs four stack frames instead of eleven.
    static constexpr int kRangeLevel = 5;
    static constexpr int kPrimaryLevel = 9;

    // The binding level of the current token as an infix operator; 0 if it
    // is none.
    int infix_level() const {
        switch (kind()) {
        case TokenKind::Or: return 1;
        case TokenKind::And: return 2;
        case TokenKind::Equal:
        case TokenKind::NotEqual: return 3;
        case TokenKind::Less:
        case TokenKind::Greater:
        case TokenKind::LessEqual:
        case TokenKind::GreaterEqual: return 4;
        case TokenKind::Dot: return kind_at(1) == TokenKind::Dot ? kRangeLevel : 0;
        case TokenKind::Plus:
        case TokenKind::Minus: return 6;
        case TokenKind::Star:
        case TokenKind::Slash:
        case TokenKind::Percent: return 7;
        case TokenKind::Power: return 8;
        default: return 0;
        }
    }

    Expr parse_expression() { return parse_binary(1); }

    // Parses an expression made of operators that bind at min_level or
    // tighter. `top` is the level of the loosest operator combined so far:
    // operators are combined from tight to loose, never the other way round,
    // and a second range never joins the first.
    Expr parse_binary(int min_level) {
        Expr left = parse_primary();
        std::size_t height = height_;
        int top = kPrimaryLevel;
        for (;;) {
            const int level = infix_level();
            if (level == 0 || level < min_level || level > top) break;
            if (level == kRangeLevel && top == kRangeLevel) break;
            combine(left, height, level);
            top = level;
        }
        height_ = height;
        return left;
    }

    // Takes the operator and its right operand and makes the new left
    // operand; a link that would make the tree too tall is read and dropped.
    // Kept out of line so that parse_binary's frame, which every nested
    // bracket pays for, stays small.
    [[gnu::noinline]] void combine(Expr& left, std::size_t& height, int level) {
        if (level == kRangeLevel) {
            advance();
            advance();
            Expr right = parse_binary(kRangeLevel + 1);
            const std::size_t joined = std::max(height, height_) + 1;
            if (!fits(joined)) return;
            left = Expr(Expr::Range{std::move(left), std::move(right)});
            height = joined;
            return;
        }
        Token op = current();
        advance();
        Expr right = parse_binary(level + 1);
        const std::size_t joined = std::max(height, height_) + 1;
        if (!fits(joined)) return;
        left = Expr(Expr::Binary{std::move(left), std::move(op), std::move(right)});
        height = joined;
    }

    Expr parse_primary() {
        Nest nest(*this);
        if (too_deep()) {
            // Beyond the nesting limit an expression is read as its first
            // token; the result is 0.
            if (kind() != TokenKind::Eof) advance();
            height_ = 1;
            return Expr(Expr::Number{0});
        }
        const TokenKind k = kind();
        if (k == TokenKind::Minus || k == TokenKind::Not) {
            Token op = current();
            advance();
            Expr operand = parse_primary();
            ++height_;
            return Expr(Expr::Unary{std::move(op), std::move(operand)});
        }
        Expr e = primary_form();
        postfix_chain(e);
        return e;
    }

    Expr primary_form() {
        const Token& t = current();
        height_ = 1;
        switch (t.kind) {
        case TokenKind::Number: advance(); return Expr(Expr::Number{t.integer()});
        case TokenKind::Float: advance(); return Expr(Expr::Float{t.floating_value()});
        case TokenKind::String: advance(); return Expr(Expr::String{t.symbol()});
        case TokenKind::True: advance(); return Expr(Expr::Boolean{true});
        case TokenKind::False: advance(); return Expr(Expr::Boolean{false});
        case TokenKind::Identifier: advance(); return Expr(Expr::Identifier{t.symbol()});
        case TokenKind::LeftParen: {
            advance();
            Expr inner = parse_expression();
            expect(TokenKind::RightParen);
            return inner;
        }
        case TokenKind::LeftBracket: {
            advance();
            std::vector<Expr> elements = parse_arguments();
            expect(TokenKind::RightBracket);
            ++height_;
            return Expr(Expr::Array{std::move(elements)});
        }
        case TokenKind::LeftBrace: return dict_literal();
        default: return Expr(Expr::Number{0});
        }
    }

    // On entry height_ is the height of `e`; on return, of the whole chain.
    void postfix_chain(Expr& e) {
        std::size_t height = height_;
        for (;;) {
            const TokenKind k = kind();
            if (k == TokenKind::Dot) {
                if (kind_at(1) == TokenKind::Dot) break; // a range's `..`
                advance();
                if (kind() == TokenKind::Identifier) {
                    Expr key(Expr::String{current().symbol()});
                    advance();
                    if (fits(height + 1)) {
                        e = Expr(Expr::Index{std::move(e), std::move(key)});
                        ++height;
                    }
                }
                // Otherwise the `.` is dropped and the chain goes on.
            } else if (k == TokenKind::LeftBracket) {
                advance();
                Expr index = parse_expression();
                expect(TokenKind::RightBracket);
                const std::size_t joined = std::max(height, height_) + 1;
                if (fits(joined)) {
                    e = Expr(Expr::Index{std::move(e), std::move(index)});
                    height = joined;
                }
            } else if (k == TokenKind::LeftParen) {
                advance();
                std::vector<Expr> args = parse_arguments();
                expect(TokenKind::RightParen);
                // Only a plain name can be called; other argument lists are
                // parsed and dropped.
                if (auto* id = std::get_if<Expr::Identifier>(&e.node)) {
                    e = Expr(Expr::Call{std::move(id->name), std::move(args)});
                    height = height_ + 1;
                }
            } else {
                break;
            }
        }
        height_ = height;
    }

    // Sets height_ to the tallest element's height (0 for none).
    std::vector<Expr> parse_arguments() {
        std::vector<Expr> list;
        std::size_t tallest = 0;
        for (;;) {
            const TokenKind k = kind();
            if (k == TokenKind::RightParen || k == TokenKind::RightBracket ||
                k == TokenKind::RightBrace || k == TokenKind::Eof) {
                height_ = tallest;
                return list;
            }
            const std::size_t before = pos_;
            list.push_back(parse_expression());
            tallest = std::max(tallest, height_);
            if (kind() == TokenKind::Comma) advance();
            ensure_progress(before);
        }
    }

    Expr dict_literal() {
        advance();
        std::vector<DictEntry> entries;
        std::size_t tallest = 0;
        for (;;) {
            const TokenKind k = kind();
            if (k == TokenKind::RightBrace || k == TokenKind::Eof) {
                expect(TokenKind::RightBrace);
                height_ = tallest + 1;
                return Expr(Expr::Dict{std::move(entries)});
            }
            if (k == TokenKind::Identifier) {
                Symbol key = current().symbol();
                advance();
                if (!expect(TokenKind::Colon)) continue; // key dropped
                Expr value = parse_expression();
                tallest = std::max(tallest, height_);
                entries.push_back(DictEntry{std::move(key), std::move(value)});
                if (kind() == TokenKind::Comma) advance();
                continue;
            }
            // Not a key: a string or number key, a computed key, or a stray
            // token. It is read as an expression and dropped, so that any
            // brackets it opens are matched; a token that begins no
            // expression is skipped.
            const std::size_t before = pos_;
            (void)parse_expression();
            ensure_progress(before);
        }
    }
};

} // namespace

Program parse_program(const TokenList& tokens) {
    return Parser(tokens).program();
}

} // namespace quillo
