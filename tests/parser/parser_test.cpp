// Parser tests: source text goes through the lexer and the parser, and the
// resulting tree is compared in its S-expression form (or, where the printed
// form cannot tell two trees apart, node by node).
#include "driver/large_stack.h"
#include "lexer/lexer.h"
#include "parser/ast_printer.h"
#include "parser/parser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace quillo {
namespace {

using Clock = std::chrono::steady_clock;

// Long enough for any build; only a parser caught in a loop, or one whose
// work grows with the square of the input on the deep cases below, reaches
// it. Speed itself is measured by the benchmark, not here.
constexpr std::chrono::seconds kHangLimit{120};

Program parse_text(std::string_view src) {
    return parse_program(tokenize(src));
}

// The whole program, one top-level statement per line.
std::string sexpr(std::string_view src) {
    return to_sexpr(parse_text(src));
}

// The expression of a source text that must parse to exactly one expression
// statement; anything else is returned in a form no expectation matches.
std::string expr_sexpr(std::string_view src) {
    Program p = parse_text(src);
    if (p.statements.size() == 1) {
        if (const auto* e = std::get_if<Stmt::Expression>(&p.statements[0].node)) {
            return to_sexpr(e->expr);
        }
    }
    return "<not one expression statement>\n" + to_sexpr(p);
}

struct Case {
    const char* src;
    const char* want;
};

void expect_exprs(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(expr_sexpr(c.src), c.want) << "source: " << c.src;
    }
}

void expect_programs(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(sexpr(c.src), c.want) << "source: " << c.src;
    }
}

// Runs `body` on a separate thread and aborts the test binary if it has not
// finished within `limit`, so that a parser caught in a loop fails the run
// instead of stalling it.
void finishes_within(std::chrono::seconds limit, const std::function<void()>& body) {
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::thread worker([&] {
        body();
        done.set_value();
    });
    if (finished.wait_for(limit) != std::future_status::ready) {
        std::fprintf(stderr, "parser did not finish within %lld s\n",
                     static_cast<long long>(limit.count()));
        std::abort();
    }
    worker.join();
}

std::string repeat(std::string_view piece, std::size_t n) {
    std::string s;
    s.reserve(piece.size() * n);
    for (std::size_t i = 0; i < n; ++i) {
        s += piece;
    }
    return s;
}

// ---- expressions: precedence and associativity ------------------------------

TEST(ParserPrecedence, TighterLevelsGroupFirst) {
    expect_exprs({
        {"1 + 2 * 3", "(+ 1 (* 2 3))"},
        {"1 * 2 + 3", "(+ (* 1 2) 3)"},
        {"2 * 3 ** 2", "(* 2 (** 3 2))"},
        {"a ** 2 % b", "(% (** a 2) b)"},
        {"a or b and c", "(or a (and b c))"},
        {"a and b or c", "(or (and a b) c)"},
        {"a and b == c", "(and a (== b c))"},
        {"a == b < c", "(== a (< b c))"},
        {"a != b >= c", "(!= a (>= b c))"},
        {"a + b < c - d", "(< (+ a b) (- c d))"},
        {"a < b or c > d and e <= f", "(or (< a b) (and (> c d) (<= e f)))"},
    });
}

TEST(ParserPrecedence, EveryInfixLevelIsLeftAssociative) {
    expect_exprs({
        {"10 - 4 - 3", "(- (- 10 4) 3)"},
        {"a + b - c + d", "(+ (- (+ a b) c) d)"},
        {"a % b / c * d", "(* (/ (% a b) c) d)"},
        {"2 ** 3 ** 2", "(** (** 2 3) 2)"},
        {"a < b < c", "(< (< a b) c)"},
        {"a <= b >= c > d", "(> (>= (<= a b) c) d)"},
        {"a == b != c", "(!= (== a b) c)"},
        {"a and b and c", "(and (and a b) c)"},
        {"a or b or c", "(or (or a b) c)"},
    });
}

TEST(ParserPrecedence, PrefixOperatorsBindTighterThanEveryInfix) {
    expect_exprs({
        {"-2 ** 2", "(** (neg 2) 2)"},
        {"not a == b", "(== (not a) b)"},
        {"!a and b", "(and (not a) b)"},
        {"not a or b", "(or (not a) b)"},
        {"a * -b ** c", "(* a (** (neg b) c))"},
        {"a - -b", "(- a (neg b))"},
        {"- - a", "(neg (neg a))"},
        {"not -a", "(not (neg a))"},
        {"-(a + b)", "(neg (+ a b))"},
    });
}

TEST(ParserPrecedence, PostfixBelongsToThePrefixOperand) {
    expect_exprs({
        {"-a[0]", "(neg (index a 0))"},
        {"not x.y", "(not (index x \"y\"))"},
        {"-f(1)", "(neg (call f 1))"},
        {"!a.b[c]", "(not (index (index a \"b\") c))"},
        {"(-a)[0]", "(index (neg a) 0)"},
    });
}

TEST(ParserPrecedence, MissingOperandsReadAsZero) {
    expect_exprs({
        {"1 +", "(+ 1 0)"},
        {"a or", "(or a 0)"},
        {"-", "(neg 0)"},
        {"not", "(not 0)"},
        {"()", "0"},
        // An infix operator with nothing before it takes 0 as its left operand.
        {"* 2", "(* 0 2)"},
        {"and b", "(and 0 b)"},
    });
}

// ---- expressions: ranges --------------------------------------------------------

TEST(ParserRange, OperandsAreAdditiveAndComparableLikeAnyOperand) {
    expect_exprs({
        {"0..10", "(range 0 10)"},
        {"0..n + 1", "(range 0 (+ n 1))"},
        {"a + 1..b * 2", "(range (+ a 1) (* b 2))"},
        {"-1..3", "(range (neg 1) 3)"},
        {"0..10 == r", "(== (range 0 10) r)"},
        {"a < 0..5", "(< a (range 0 5))"},
        {"(0..3)", "(range 0 3)"},
        {"a.b..c[0]", "(range (index a \"b\") (index c 0))"},
        {"0..", "(range 0 0)"},
    });
}

TEST(ParserRange, NoSecondRangeAtTheSameLevel) {
    // The first `..` forms the range; the second starts a new statement whose
    // start is missing.
    EXPECT_EQ(sexpr("1..2..3"), "(expr (range 1 2))\n(expr (range 0 3))");
    EXPECT_EQ(expr_sexpr("(1..2)..3"), "(range (range 1 2) 3)");
}

TEST(ParserRange, ForLoopOverARange) {
    EXPECT_EQ(sexpr("for i in 0..n + 1 { }"), "(for i (range 0 (+ n 1)) (block))");
}

// ---- expressions: primary forms and postfix chains ----------------------------

TEST(ParserPrimary, Literals) {
    expect_exprs({
        {"42", "42"},
        {"0.5", "(float 0.5)"},
        {"\"a\\tb\"", "\"a\\tb\""},
        {"true", "true"},
        {"false", "false"},
        {"null", "null"}, // no null literal: an ordinary name
        {"9223372036854775807", "9223372036854775807"},
    });
}

TEST(ParserPostfix, ChainsNestToTheLeft) {
    expect_exprs({
        {"a.b", "(index a \"b\")"},
        {"a.b.c", "(index (index a \"b\") \"c\")"},
        {"a[0][1]", "(index (index a 0) 1)"},
        {"a.b[0].c", "(index (index (index a \"b\") 0) \"c\")"},
        {"a[i + 1]", "(index a (+ i 1))"},
        {"f(1).x", "(index (call f 1) \"x\")"},
        {"f(1)[0]", "(index (call f 1) 0)"},
    });
}

TEST(ParserPostfix, AppliesToEveryPrimaryForm) {
    expect_exprs({
        {"\"abc\"[0]", "(index \"abc\" 0)"},
        {"[1, 2, 3][0]", "(index (array 1 2 3) 0)"},
        {"{a: 1}.a", "(index (dict (a 1)) \"a\")"},
        {"(a + b).c", "(index (+ a b) \"c\")"},
        {"3.foo", "(index 3 \"foo\")"},
        {"true[0]", "(index true 0)"},
    });
}

TEST(ParserPostfix, DotWithoutNameIsDropped) {
    // The chain goes on with whatever follows the dropped `.`.
    expect_exprs({
        {"a.[0]", "(index a 0)"},
        {"a.(1)", "(call a 1)"},
        {"a.", "a"},
    });
    EXPECT_EQ(sexpr("a.5"), "(expr a)\n(expr 5)");
    EXPECT_EQ(sexpr("a.if b {}"), "(expr a)\n(if b (block))");
}

TEST(ParserPostfix, OnlyPlainNamesAreCalled) {
    expect_exprs({
        {"f()", "(call f)"},
        {"f(1)(2)", "(call f 1)"},
        {"a.b(1)", "(index a \"b\")"},
        {"a[0](1)", "(index a 0)"},
        {"\"s\"(1)", "\"s\""},
        {"1(2)", "1"},
        // A parenthesised name is a plain name again.
        {"(f)(1)", "(call f 1)"},
        {"((f))(1, 2)", "(call f 1 2)"},
        {"(a.b)(1)", "(index a \"b\")"},
    });
}

TEST(ParserPostfix, DroppedArgumentListsAreStillConsumed) {
    expect_exprs({
        {"a.b(c, (d), [e]) + 1", "(+ (index a \"b\") 1)"},
        {"f(1)(g(2), 3)[0]", "(index (call f 1) 0)"},
    });
}

TEST(ParserPostfix, LineBreaksDoNotEndAnExpression) {
    EXPECT_EQ(sexpr("let a = f\n(1)"), "(let a (call f 1))");
    EXPECT_EQ(sexpr("x = a\n[0]"), "(assign x (index a 0))");
    EXPECT_EQ(sexpr("print(x)\n(y)"), "(expr (call print x))");
}

// ---- expressions: argument lists and arrays ------------------------------------

TEST(ParserArguments, CommasAreOptionalSeparators) {
    expect_exprs({
        {"f(1, 2)", "(call f 1 2)"},
        {"f(1 2)", "(call f 1 2)"},
        {"f(1, 2,)", "(call f 1 2)"},
        {"f(a -1)", "(call f (- a 1))"},
        {"f(g(1) h(2))", "(call f (call g 1) (call h 2))"},
        {"f(x, \"s\")", "(call f x \"s\")"},
    });
}

TEST(ParserArguments, EmptySlotsReadAsZero) {
    expect_exprs({
        {"f(,)", "(call f 0)"},
        {"f(1,,2)", "(call f 1 0 2)"},
        {"[,]", "(array 0)"},
    });
}

TEST(ParserArguments, AnyClosingTokenEndsTheList) {
    // The mismatched closer is left behind and read as a statement of its own.
    EXPECT_EQ(sexpr("f(1 ] x"), "(expr (call f 1))\n(expr 0)\n(expr x)");
    EXPECT_EQ(sexpr("[1, 2) x"), "(expr (array 1 2))\n(expr 0)\n(expr x)");
    EXPECT_EQ(sexpr("f(1 } x"), "(expr (call f 1))\n(expr 0)\n(expr x)");
}

TEST(ParserArguments, TokenThatBeginsNoElementIsSkipped) {
    // The element read at the stuck token is kept as 0 and the token skipped.
    expect_exprs({
        {"f(=)", "(call f 0)"},
        {"f(= 1)", "(call f 0 1)"},
        {"f(1 =)", "(call f 1 0)"},
        {"[: 2]", "(array 0 2)"},
        {"f(else)", "(call f 0)"},
    });
}

TEST(ParserArrays, Literals) {
    expect_exprs({
        {"[]", "(array)"},
        {"[1, 2, 3]", "(array 1 2 3)"},
        {"[1 2 3]", "(array 1 2 3)"},
        {"[[1], [2, [3]]]", "(array (array 1) (array 2 (array 3)))"},
        {"[a.b, f(1), -x]", "(array (index a \"b\") (call f 1) (neg x))"},
    });
}

// ---- expressions: dict literals --------------------------------------------------

TEST(ParserDict, Entries) {
    expect_exprs({
        {"{}", "(dict)"},
        {"{x: 1, y: 2}", "(dict (x 1) (y 2))"},
        {"{x: 1 y: 2}", "(dict (x 1) (y 2))"},
        {"{x: 1,}", "(dict (x 1))"},
        {"{x: 1, x: 2}", "(dict (x 1) (x 2))"}, // a repeated key stays twice
        {"{y: 1, x: 2}", "(dict (y 1) (x 2))"}, // source order, not sorted
        {"{a: {b: [1]}}", "(dict (a (dict (b (array 1)))))"},
        {"{x: 1 + 2, _: -y}", "(dict (x (+ 1 2)) (_ (neg y)))"},
        {"{a: f(1) b: c.d}", "(dict (a (call f 1)) (b (index c \"d\")))"},
    });
}

TEST(ParserDict, KeyWithoutColonIsDropped) {
    expect_exprs({
        {"{x}", "(dict)"},
        {"{x y: 2}", "(dict (y 2))"},
        {"{x, y: 2}", "(dict (y 2))"},
    });
}

TEST(ParserDict, NonIdentifierKeyDropsItsItem) {
    // A key that is not a name is read as an expression (so brackets inside
    // stay matched) and thrown away together with what follows the `:`.
    expect_exprs({
        {"{\"a\": 1}", "(dict)"},
        {"{1: 2, b: 3}", "(dict (b 3))"},
        {"{(a): 1, b: 2}", "(dict (b 2))"},
        {"{a: 1 \"s\" b: 2}", "(dict (a 1) (b 2))"},
        {"{, a: 1}", "(dict (a 1))"},
        {"{if: 1}", "(dict)"},
    });
    // The nested dict's closing brace does not end the outer one.
    EXPECT_EQ(sexpr("{\"a\": {b: 1}} z"), "(expr (dict))\n(expr z)");
}

TEST(ParserDict, BraceAtStatementStartIsADict) {
    EXPECT_EQ(sexpr("{}"), "(expr (dict))");
    EXPECT_EQ(sexpr("{ x = 1 }"), "(expr (dict))");
    EXPECT_EQ(sexpr("{ x = 1 } y"), "(expr (dict))\n(expr y)");
    EXPECT_EQ(sexpr("{a: 1}; b"), "(expr (dict (a 1)))\n(expr b)");
}

// ---- the shape of the tree --------------------------------------------------------

TEST(ParserTree, ParenthesesLeaveNoTrace) {
    EXPECT_EQ(parse_text("(1 + 2)"), parse_text("1 + 2"));
    EXPECT_EQ(parse_text("((a))"), parse_text("a"));
    EXPECT_EQ(parse_text("(a)[0]"), parse_text("a[0]"));
    EXPECT_EQ(parse_text("x = (((f(1))))"), parse_text("x = f(1)"));
    EXPECT_NE(parse_text("(1 + 2) * 3"), parse_text("1 + 2 * 3"));
}

TEST(ParserTree, MemberAccessIsAStringIndex) {
    EXPECT_EQ(parse_text("a.b"), parse_text("a[\"b\"]"));
    EXPECT_EQ(parse_text("a.b.c"), parse_text("a[\"b\"][\"c\"]"));
    EXPECT_EQ(parse_text("f(x).y"), parse_text("f(x)[\"y\"]"));
    EXPECT_NE(parse_text("a.b"), parse_text("a[b]"));
}

TEST(ParserTree, NotAndBangGiveIdenticalTrees) {
    EXPECT_EQ(parse_text("not a"), parse_text("!a"));
    EXPECT_EQ(parse_text("not not x.y == 1"), parse_text("!!x.y == 1"));
    EXPECT_NE(parse_text("not a"), parse_text("-a"));
}

TEST(ParserTree, OperatorTokensAreStoredByKind) {
    Program p = parse_text("a != b; x -= 1; -c");
    ASSERT_EQ(p.statements.size(), 3u);
    const auto& bin =
        std::get<Expr::Binary>(std::get<Stmt::Expression>(p.statements[0].node).expr.node);
    EXPECT_EQ(bin.op, Token(TokenKind::NotEqual));
    const auto& ca = std::get<Stmt::CompoundAssign>(p.statements[1].node);
    EXPECT_EQ(ca.op, Token(TokenKind::MinusAssign));
    const auto& un =
        std::get<Expr::Unary>(std::get<Stmt::Expression>(p.statements[2].node).expr.node);
    EXPECT_EQ(un.op, Token(TokenKind::Minus));
}

TEST(ParserTree, WildcardPatternIsAbsentNotAName) {
    // The printed form shows both as `_`, so the tree is checked directly.
    Program p = parse_text("match x { _ => 1 _x => 2 }");
    ASSERT_EQ(p.statements.size(), 1u);
    const auto& m = std::get<Stmt::Match>(p.statements[0].node);
    ASSERT_EQ(m.arms.size(), 2u);
    EXPECT_FALSE(m.arms[0].pattern.has_value());
    ASSERT_EQ(m.arms[0].body.size(), 1u);
    EXPECT_EQ(m.arms[0].body[0], Stmt(Stmt::Expression{Expr(Expr::Number{1})}));
    ASSERT_TRUE(m.arms[1].pattern.has_value());
    EXPECT_EQ(*m.arms[1].pattern, Expr(Expr::Identifier{"_x"}));
}

TEST(ParserTree, AbsentAndEmptyAreDifferent) {
    const auto if_of = [](const Program& p) { return std::get<Stmt::If>(p.statements.at(0).node); };
    EXPECT_FALSE(if_of(parse_text("if c {}")).else_body.has_value());
    const auto with_else = if_of(parse_text("if c {} else {}"));
    ASSERT_TRUE(with_else.else_body.has_value());
    EXPECT_TRUE(with_else.else_body->empty());

    const auto ret_of = [](const Program& p) {
        return std::get<Stmt::Return>(p.statements.at(0).node);
    };
    EXPECT_FALSE(ret_of(parse_text("return")).value.has_value());
    EXPECT_TRUE(ret_of(parse_text("return 0")).value.has_value());
}

// ---- statements -----------------------------------------------------------------

TEST(ParserStatements, LetAndAssignments) {
    expect_programs({
        {"let a = 1 let b = 2", "(let a 1)\n(let b 2)"},
        {"let x = [1, 2];", "(let x (array 1 2))"},
        {"let x = ;", "(let x 0)"},
        {"x = 1", "(assign x 1)"},
        {"x == 1", "(expr (== x 1))"},
        {"x = x + 1", "(assign x (+ x 1))"},
        {"x += 1", "(+= x 1)"},
        {"x -= a; x *= 2; x /= y", "(-= x a)\n(*= x 2)\n(/= x y)"},
        {"x = y = 1", "(assign x y)\n(expr 0)\n(expr 1)"}, // no assignment expression
    });
}

TEST(ParserStatements, AssignmentOnlyToPlainNames) {
    // Element and member targets are expression statements; the `=` or `+=`
    // that follows begins nothing and is skipped.
    expect_programs({
        {"a[0] = 1", "(expr (index a 0))\n(expr 0)\n(expr 1)"},
        {"a.b = 1", "(expr (index a \"b\"))\n(expr 0)\n(expr 1)"},
        {"a.b += 1", "(expr (index a \"b\"))\n(expr 0)\n(expr 1)"},
    });
}

TEST(ParserStatements, FunctionDefinitions) {
    expect_programs({
        {"def f() {}", "(def f () (block))"},
        {"def f(a b) {}", "(def f (a b) (block))"},
        {"def f(a, b,) {}", "(def f (a b) (block))"},
        {"def f(a) { return a }", "(def f (a) (block (return a)))"},
        {"def f() { def g() { x } g() }",
         "(def f () (block (def g () (block (expr x))) (expr (call g))))"},
        // No semicolon belongs to a definition: a `;` after it is a statement.
        {"def f() {}; x", "(def f () (block))\n(expr 0)\n(expr x)"},
    });
}

TEST(ParserStatements, Return) {
    expect_programs({
        {"return", "(return)"},
        {"return;", "(return)"},
        {"return; x", "(return)\n(expr x)"},
        {"return 1 + 2", "(return (+ 1 2))"},
        {"def f() { return }", "(def f () (block (return)))"},
        {"return -1", "(return (neg 1))"},
    });
}

TEST(ParserStatements, IfAndElse) {
    expect_programs({
        {"if c {}", "(if c (block))"},
        {"if c {} else {}", "(if c (block) (block))"},
        {"if a > 1 { x } else { y z }", "(if (> a 1) (block (expr x)) (block (expr y) (expr z)))"},
        // There is no else-if: `else` without `{` is consumed and the `if`
        // after it is an independent statement.
        {"if a {} else if b {}", "(if a (block))\n(if b (block))"},
        {"if a {} else if b {} else {}", "(if a (block))\n(if b (block) (block))"},
        {"if a {} else 1", "(if a (block))\n(expr 1)"},
        {"if c { {a: 1} }", "(if c (block (expr (dict (a 1)))))"},
        {"if c {}; x", "(if c (block))\n(expr 0)\n(expr x)"},
    });
}

TEST(ParserStatements, Loops) {
    expect_programs({
        {"while c { x += 1 }", "(while c (block (+= x 1)))"},
        {"for i in xs { print(i) }", "(for i xs (block (expr (call print i))))"},
        {"while true { break continue }", "(while true (block (break) (continue)))"},
        {"break; continue;", "(break)\n(continue)"},
    });
}

TEST(ParserStatements, GlobalAndSemicolons) {
    expect_programs({
        {"global g", "(global g)"},
        {"global g; x", "(global g)\n(expr x)"},
        // Each form consumes exactly one optional `;`.
        {"let a = 1; b = 2; c += 3; f(); global g; break; continue; return;",
         "(let a 1)\n(assign b 2)\n(+= c 3)\n(expr (call f))\n(global "
         "g)\n(break)\n(continue)\n(return)"},
        {";", "(expr 0)"},
        {";;", "(expr 0)\n(expr 0)"},
        {"x = 1;;", "(assign x 1)\n(expr 0)"},
    });
}

TEST(ParserStatements, Match) {
    expect_programs({
        {"match x { 1 => a 2 => { b } _ => c }",
         "(match x (arm 1 (block (expr a))) (arm 2 (block (expr b))) (arm _ (block (expr c))))"},
        {"match x { }", "(match x)"},
        {"match x { 1 => {} }", "(match x (arm 1 (block)))"},
        {"match f(x) { \"a\" => { y = 2 z } }",
         "(match (call f x) (arm \"a\" (block (assign y 2) (expr z))))"},
        {"match x { 1 => a; 2 => b; }",
         "(match x (arm 1 (block (expr a))) (arm 2 (block (expr b))))"},
        {"match x { 0..5 => a }", "(match x (arm (range 0 5) (block (expr a))))"},
        // No separator is needed, so a body runs on into a pattern starting
        // with `-`; the arm after it has nothing before its `=>`.
        {"match x { 1 => a -1 => b }",
         "(match x (arm 1 (block (expr (- a 1)))) (arm 0 (block (expr b))))"},
        {"match x { 1 => a; -1 => b }",
         "(match x (arm 1 (block (expr a))) (arm (neg 1) (block (expr b))))"},
        // A `,` between arms begins nothing and is skipped.
        {"match x { 1 => a, 2 => b }",
         "(match x (arm 1 (block (expr a))) (arm 2 (block (expr b))))"},
        {"match x {} y", "(match x)\n(expr y)"},
    });
}

TEST(ParserStatements, TryCatch) {
    expect_programs({
        {"try { a } catch e { b }", "(try (block (expr a)) e (block (expr b)))"},
        {"try {} catch err {}", "(try (block) err (block))"},
    });
}

// ---- failures: what stays consumed ----------------------------------------------

TEST(ParserFailures, LetAndDef) {
    expect_programs({
        {"let 5;", "(expr 5)"},            // only `let` is lost
        {"let x 5", "(expr 5)"},           // `let x` is lost
        {"let x", ""},                     // no declaration without a value
        {"let = 5", "(expr 0)\n(expr 5)"}, // `let` lost; the `=` begins nothing
        {"def 5", "(expr 5)"},
        {"def f 1", "(expr 1)"},
        {"def f() x", "(expr x)"},
        // Two commas end the parameter list, so the `)` is missing.
        {"def f(a,,b) {}", "(expr 0)\n(expr b)\n(expr 0)\n(expr (dict))"},
        {"def f(a 1) {}", "(expr 1)\n(expr 0)\n(expr (dict))"},
    });
}

TEST(ParserFailures, BlockForms) {
    expect_programs({
        {"if c 1", "(expr 1)"},     // the condition stays consumed
        {"if c + 1 2", "(expr 2)"}, // the whole condition
        {"while c 1", "(expr 1)"},
        {"for 1 in x {}", "(expr 1)\n(expr 0)\n(expr x)\n(expr (dict))"},
        {"for i x {}", "(expr x)\n(expr (dict))"},
        {"for i in x 1", "(expr 1)"},
        {"match x 1", "(expr 1)"},
        {"global 1", "(expr 1)"},
    });
}

TEST(ParserFailures, TryCatch) {
    expect_programs({
        {"try 1", "(expr 1)"},
        {"try { a } b", "(expr b)"}, // the body is discarded
        // The error name is required; parsing resumes at the handler's `{`,
        // which begins a dict literal.
        {"try { a } catch { b }", "(expr (dict))"},
        {"try { a } catch e 1", "(expr 1)"},
    });
}

TEST(ParserFailures, MatchArmWithoutArrowIsDropped) {
    expect_programs({
        {"match x { 1 2 => a }", "(match x (arm 2 (block (expr a))))"},
        {"match x { a b => c }", "(match x (arm b (block (expr c))))"},
        {"match x { _ 1 => a }", "(match x (arm 1 (block (expr a))))"},
        {"match x { 1 }", "(match x)"},
        {"match x { ) 1 => a }", "(match x (arm 1 (block (expr a))))"},
    });
}

TEST(ParserFailures, StrayTokensBecomeZeroStatementsAndAreSkipped) {
    expect_programs({
        {")", "(expr 0)"},
        {"a } b", "(expr a)\n(expr 0)\n(expr b)"},
        {"else x", "(expr 0)\n(expr x)"},
        {"=> -> ? :", "(expr 0)\n(expr 0)\n(expr 0)\n(expr 0)"},
        {"+= 1", "(expr 0)\n(expr 1)"},
        {"in catch", "(expr 0)\n(expr 0)"},
        {"def f() { a ) b }", "(def f () (block (expr a) (expr 0) (expr b)))"},
        {".b", "(expr (index 0 \"b\"))"},
    });
}

TEST(ParserFailures, EndOfInputClosesOpenConstructs) {
    expect_programs({
        {"def f() {", "(def f () (block))"},
        {"def f(a) { return a", "(def f (a) (block (return a)))"},
        {"let x =", "(let x 0)"},
        {"if c {", "(if c (block))"},
        {"if c { a } else {", "(if c (block (expr a)) (block))"},
        {"while c { x", "(while c (block (expr x)))"},
        {"for i in xs {", "(for i xs (block))"},
        {"match x {", "(match x)"},
        {"match x { 1 =>", "(match x (arm 1 (block (expr 0))))"},
        {"match x { 1 => {", "(match x (arm 1 (block)))"},
        {"try { a } catch e {", "(try (block (expr a)) e (block))"},
        {"try {", ""},
        {"f(1, ", "(expr (call f 1))"},
        {"[1, 2", "(expr (array 1 2))"},
        {"{a: 1", "(expr (dict (a 1)))"},
        {"{a:", "(expr (dict (a 0)))"},
        {"(1 + 2", "(expr (+ 1 2))"},
        {"a[0", "(expr (index a 0))"},
        {"x +=", "(+= x 0)"},
    });
}

TEST(ParserFailures, EmptyInput) {
    EXPECT_EQ(parse_text("").statements.size(), 0u);
    EXPECT_EQ(parse_text("  # only a comment\n /* and another */ ").statements.size(), 0u);
    EXPECT_EQ(parse_program(TokenList{}).statements.size(), 0u);
    EXPECT_EQ(parse_program(TokenList{Token(TokenKind::Eof)}).statements.size(), 0u);
}

TEST(ParserFailures, TokenListWithoutEofEndsAtItsLastToken) {
    TokenList tokens{Token(TokenKind::Identifier, "f"), Token(TokenKind::LeftParen),
                     Token::number(1)};
    EXPECT_EQ(to_sexpr(parse_program(tokens)), "(expr (call f 1))");
}

// ---- deep nesting -----------------------------------------------------------------

// Depth of a chain of nodes of one kind, followed without recursion.
template <typename Node, typename Next> std::size_t chain_depth(const Expr* e, Next next) {
    std::size_t n = 0;
    while (const auto* node = std::get_if<Node>(&e->node)) {
        ++n;
        e = next(*node);
        if (e == nullptr) break;
    }
    return n;
}

const Expr* only_expr(const Program& p) {
    if (p.statements.size() != 1) return nullptr;
    const auto* s = std::get_if<Stmt::Expression>(&p.statements[0].node);
    return s ? &s->expr : nullptr;
}

// Nesting a little below the limit keeps every level exactly; at the limit
// the parser stops descending (which is what keeps hostile input from
// exhausting the stack).
TEST(ParserDepth, NestingIsExactUpToTheLimit) {
    const std::size_t n = kMaxNesting - 10;
    bool parens_ok = false;
    bool limit_engaged = false;
    std::size_t arrays = 0, dicts = 0, negations = 0, ifs = 0;
    finishes_within(kHangLimit, [&] {
        run_on_large_stack([&] {
            const Program shallow = parse_text(repeat("(", n) + "1 + 2" + repeat(")", n) + " x");
            parens_ok = shallow == parse_text("1 + 2 x") && !shallow.too_deep;
            const std::size_t over = kMaxNesting + 10;
            const Program deep = parse_text(repeat("(", over) + "1" + repeat(")", over));
            // Beyond the limit the tree differs from the text and says so.
            limit_engaged = deep != parse_text("1") && deep.too_deep;

            Program a = parse_text(repeat("[", n) + repeat("]", n));
            if (const Expr* e = only_expr(a)) {
                arrays = chain_depth<Expr::Array>(e, [](const Expr::Array& x) {
                    return x.elements.empty() ? nullptr : &x.elements[0];
                });
            }

            Program d = parse_text(repeat("{a:", n) + "1" + repeat("}", n));
            if (const Expr* e = only_expr(d)) {
                dicts = chain_depth<Expr::Dict>(e, [](const Expr::Dict& x) {
                    return x.entries.size() == 1 ? &*x.entries[0].value : nullptr;
                });
            }

            Program m = parse_text(repeat("-", n) + "1");
            if (const Expr* e = only_expr(m)) {
                negations =
                    chain_depth<Expr::Unary>(e, [](const Expr::Unary& x) { return &*x.operand; });
            }

            Program f = parse_text(repeat("if x {", n) + repeat("}", n));
            const Block* b = &f.statements;
            while (b->size() == 1) {
                const auto* s = std::get_if<Stmt::If>(&(*b)[0].node);
                if (s == nullptr) break;
                ++ifs;
                b = &s->then_body;
            }
            if (f.statements.size() != 1) ifs = 0;
            return 0;
        });
    });
    EXPECT_TRUE(parens_ok);
    EXPECT_TRUE(limit_engaged);
    EXPECT_EQ(arrays, n);
    EXPECT_EQ(dicts, n);
    EXPECT_EQ(negations, n);
    EXPECT_EQ(ifs, n);
}

struct DeepCase {
    const char* name;
    std::string src;
};

// Far beyond the limit, input is consumed in linear time, without exhausting
// the stack, and the statements after the deep part are read normally.
TEST(ParserDepth, InputBeyondTheLimitParsesInLinearTime) {
    const std::size_t n = 300'000;
    const std::string tail = "; let z = 5";
    const std::vector<DeepCase> cases = {
        {"parens", repeat("(", n) + "1" + repeat(")", n) + tail},
        {"brackets", repeat("[", n) + repeat("]", n) + tail},
        {"dicts", repeat("{a:", n) + "1" + repeat("}", n) + tail},
        {"negations", repeat("-", n) + "1" + tail},
        {"ifs", repeat("if x {", n) + repeat("}", n) + tail},
        {"calls", repeat("f(", n) + repeat(")", n) + tail},
        {"indexes", repeat("a[", n) + "0" + repeat("]", n) + tail},
        {"unclosed parens", repeat("(", n)},
        {"unclosed brackets", repeat("[", n)},
        {"unclosed dicts", repeat("{a:", n)},
        {"unclosed ifs", repeat("if x {", n)},
        {"unclosed defs", repeat("def f() {", n)},
        {"unclosed mixture", repeat("f([{a: -(", n / 6)},
    };
    for (const DeepCase& c : cases) {
        const TokenList tokens = tokenize(c.src);
        bool recovered = false;
        std::size_t statements = 0;
        double ms = 0;
        finishes_within(kHangLimit, [&] {
            run_on_large_stack([&] {
                const auto start = Clock::now();
                {
                    Program p = parse_program(tokens);
                    statements = p.statements.size();
                    recovered = statements > 0 && to_sexpr(p.statements.back()) == "(let z 5)";
                } // dropping the deep tree is part of the cost
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                return 0;
            });
        });
        std::printf("[ depth    ] %-18s %zu tokens: %.1f ms\n", c.name, tokens.size(), ms);
        EXPECT_LT(statements, tokens.size()) << c.name;
        if (c.src.ends_with(tail)) {
            EXPECT_TRUE(recovered) << c.name;
        }
    }
}

// Height of an expression tree (a leaf is 1). Recursive: call it on the
// large stack.
std::size_t tree_height(const Expr& e) {
    return std::visit(
        [](const auto& n) -> std::size_t {
            using T = std::decay_t<decltype(n)>;
            if constexpr (std::is_same_v<T, Expr::Binary>) {
                return 1 + std::max(tree_height(*n.left), tree_height(*n.right));
            } else if constexpr (std::is_same_v<T, Expr::Index>) {
                return 1 + std::max(tree_height(*n.object), tree_height(*n.index));
            } else if constexpr (std::is_same_v<T, Expr::Range>) {
                return 1 + std::max(tree_height(*n.start), tree_height(*n.end));
            } else if constexpr (std::is_same_v<T, Expr::Unary>) {
                return 1 + tree_height(*n.operand);
            } else if constexpr (std::is_same_v<T, Expr::Call>) {
                std::size_t h = 0;
                for (const Expr& a : n.args)
                    h = std::max(h, tree_height(a));
                return 1 + h;
            } else if constexpr (std::is_same_v<T, Expr::Array>) {
                std::size_t h = 0;
                for (const Expr& a : n.elements)
                    h = std::max(h, tree_height(a));
                return 1 + h;
            } else if constexpr (std::is_same_v<T, Expr::Dict>) {
                std::size_t h = 0;
                for (const DictEntry& d : n.entries)
                    h = std::max(h, tree_height(*d.value));
                return 1 + h;
            } else {
                return 1;
            }
        },
        e.node);
}

// Chains deepen a tree without any bracket: `1 + 1 + ...` is left-nested as
// deep as it is long. Links past the height limit are read and dropped, so
// hostile chains cannot build trees deeper than the interpreter can walk;
// chains below the limit are kept whole.
TEST(ParserDepth, LongChainsAreCappedAtTheHeightLimit) {
    const std::size_t n = 300'000;
    struct Chain {
        const char* name;
        std::string src;
    };
    const std::vector<Chain> chains = {
        {"sum", std::string("1").append(repeat(" + 1", n))},
        {"power", std::string("2").append(repeat(" ** 2", n))},
        {"members", std::string("a").append(repeat(".b", n))},
        {"indexes", std::string("a").append(repeat("[0]", n))},
        {"comparisons", std::string("a").append(repeat(" < a", n))},
        {"mixed", std::string("a").append(repeat(".b[1] * 2 - c", n / 4))},
        {"chains in parens", repeat("(1" + repeat(" + 1", 1000) + ") + ", 300) + "1"},
    };
    for (const Chain& c : chains) {
        const TokenList tokens = tokenize(c.src + "; let z = 5");
        std::size_t height = 0;
        bool recovered = false;
        bool flagged = false;
        double ms = 0;
        finishes_within(kHangLimit, [&] {
            run_on_large_stack([&] {
                const auto start = Clock::now();
                {
                    Program p = parse_program(tokens);
                    if (const auto* s = std::get_if<Stmt::Expression>(&p.statements[0].node)) {
                        height = tree_height(s->expr);
                    }
                    recovered = to_sexpr(p.statements.back()) == "(let z 5)";
                    flagged = p.too_deep;
                }
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                return 0;
            });
        });
        EXPECT_LE(height, kMaxNesting) << c.name;
        EXPECT_GE(height, std::min<std::size_t>(kMaxNesting - 2, 2 * 300)) << c.name;
        EXPECT_TRUE(recovered) << c.name;
        // Only a chain that lost links is marked (the mixed one is 75,000
        // links of a few levels each).
        EXPECT_EQ(flagged, height >= kMaxNesting) << c.name;
    }

    // Below the limit nothing is dropped.
    bool exact = false;
    run_on_large_stack([&] {
        std::string flat = "1";
        flat += repeat(" + 1", 1000);
        std::string nested = repeat("(", 1000);
        nested += "1";
        nested += repeat(" + 1)", 1000);
        exact = parse_text(flat) == parse_text(nested);
        return 0;
    });
    EXPECT_TRUE(exact);
}

// ---- robustness -----------------------------------------------------------------

Token random_token(std::mt19937& rng) {
    static const char* const names[] = {"a", "f", "_", "x"};
    const auto kind = static_cast<TokenKind>(rng() % static_cast<unsigned>(TokenKind::Eof));
    switch (kind) {
    case TokenKind::Identifier: return Token(kind, names[rng() % 4]);
    case TokenKind::Number: return Token::number(static_cast<std::int64_t>(rng() % 10));
    case TokenKind::Float: return Token::floating(0.5);
    case TokenKind::String: return Token(kind, "s");
    default: return Token(kind);
    }
}

// Random token sequences over every kind: each parse terminates, every
// statement consumed at least one token, and the tree survives a copy.
TEST(ParserRobustness, RandomTokenSequencesAlwaysTerminate) {
    std::mt19937 rng(20240611);
    int failures = 0;
    finishes_within(kHangLimit, [&] {
        run_on_large_stack([&] {
            for (int i = 0; i < 20'000; ++i) {
                TokenList tokens;
                const std::size_t len = i % 100 == 0 ? 3000 : rng() % 60;
                for (std::size_t k = 0; k < len; ++k) {
                    tokens.push_back(random_token(rng));
                }
                tokens.emplace_back(TokenKind::Eof);
                Program p = parse_program(tokens);
                Program copy = p;
                if (p.statements.size() >= tokens.size() || !(copy == p) ||
                    to_sexpr(copy) != to_sexpr(p)) {
                    ++failures;
                }
            }
            return 0;
        });
    });
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace quillo
