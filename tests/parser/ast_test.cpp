// Syntax tree tests: structural equality and copies that own their subtrees.
#include "lexer/lexer.h"
#include "parser/ast.h"
#include "parser/ast_printer.h"
#include "parser/parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quillo {
namespace {

Program parse_text(std::string_view src) {
    return parse_program(tokenize(src));
}

Expr parse_expr(std::string_view src) {
    Program p = parse_text(src);
    return std::get<Stmt::Expression>(p.statements.at(0).node).expr;
}

TEST(AstEquality, ComparesStructureNotIdentity) {
    EXPECT_EQ(parse_text("def f(a) { return a + 1 }"), parse_text("def f(a) { return a + 1 }"));
    EXPECT_EQ(parse_expr("{x: [1, 2.5, \"s\"]}"), parse_expr("{x: [1, 2.5, \"s\"]}"));
}

TEST(AstEquality, EveryFieldTakesPart) {
    const std::pair<const char*, const char*> differing[] = {
        {"a + b", "a - b"},                 // operator kind
        {"a + b", "b + a"},                 // operand order
        {"1", "1.0"},                       // integer vs float literal
        {"\"a\"", "a"},                     // string vs name
        {"true", "false"},                  // boolean value
        {"f(1)", "f(1, 2)"},                // argument count
        {"f(1)", "g(1)"},                   // callee name
        {"{x: 1}", "{y: 1}"},               // dict key
        {"{x: 1, y: 2}", "{y: 2, x: 1}"},   // dict order
        {"0..1", "0..2"},                   // range end
        {"-a", "not a"},                    // prefix operator
        {"let x = 1", "x = 1"},             // statement variant
        {"x += 1", "x -= 1"},               // compound operator
        {"def f(a) {}", "def f(b) {}"},     // parameter name
        {"def f() { a }", "def f() { b }"}, // function body
        {"if c {}", "if c {} else {}"},     // absent vs empty else
        {"return", "return 0"},             // absent vs present value
        {"match x { _ => 1 }", "match x { y => 1 }"},
        {"try {} catch e {}", "try {} catch f {}"},
        {"for i in a {}", "for j in a {}"},
    };
    for (const auto& [a, b] : differing) {
        EXPECT_NE(parse_text(a), parse_text(b)) << a << " vs " << b;
    }
}

TEST(AstEquality, FloatsCompareBitwise) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Expr n(Expr::Float{nan});
    EXPECT_EQ(n, n); // equality stays reflexive for NaN
    EXPECT_NE(Expr(Expr::Float{0.0}), Expr(Expr::Float{-0.0}));
    EXPECT_NE(Expr(Expr::Float{1.0}), Expr(Expr::Number{1}));
}

TEST(AstCopy, ExprCopyOwnsItsSubtree) {
    const Expr original = parse_expr("f(a.b, [1, {k: -x}]) + 2 ** 3");
    Expr copy = original;
    ASSERT_EQ(copy, original);

    // Change a leaf deep inside the copy; the original must not see it.
    auto& sum = std::get<Expr::Binary>(copy.node);
    auto& call = std::get<Expr::Call>(sum.left->node);
    auto& array = std::get<Expr::Array>(call.args[1].node);
    auto& dict = std::get<Expr::Dict>(array.elements[1].node);
    auto& neg = std::get<Expr::Unary>(dict.entries[0].value->node);
    *neg.operand = Expr(Expr::Identifier{"changed"});

    EXPECT_NE(copy, original);
    EXPECT_EQ(to_sexpr(original),
              "(+ (call f (index a \"b\") (array 1 (dict (k (neg x))))) (** 2 3))");
    EXPECT_EQ(to_sexpr(copy),
              "(+ (call f (index a \"b\") (array 1 (dict (k (neg changed))))) (** 2 3))");
}

TEST(AstCopy, AssignmentCopiesTheSubtree) {
    Expr a = parse_expr("a[1] * (b - c)");
    const Expr b = parse_expr("x.y");
    a = b;
    EXPECT_EQ(a, b);
    auto& index = std::get<Expr::Index>(a.node);
    *index.index = Expr(Expr::String{"z"});
    EXPECT_EQ(to_sexpr(a), "(index x \"z\")");
    EXPECT_EQ(to_sexpr(b), "(index x \"y\")");
}

TEST(AstCopy, StatementCopiesCarryEveryPart) {
    const Program p = parse_text(R"(
        let a = 1
        if a { b = 2 } else { c += 3 }
        while x { break }
        for i in 0..3 { continue }
        match y { 1 => z _ => { return } }
        try { f() } catch e { global g }
    )");
    ASSERT_EQ(p.statements.size(), 6u);
    Block copy = p.statements;
    EXPECT_EQ(copy, p.statements);
    EXPECT_EQ(to_sexpr(copy), to_sexpr(p.statements));

    // Removing the copied match arm's pattern leaves the original's in place.
    auto& match = std::get<Stmt::Match>(copy[4].node);
    match.arms[0].pattern.reset();
    const auto& original = std::get<Stmt::Match>(p.statements[4].node);
    ASSERT_TRUE(original.arms[0].pattern.has_value());
    EXPECT_EQ(*original.arms[0].pattern, Expr(Expr::Number{1}));
}

TEST(AstCopy, FunctionCopyOutlivesItsProgram) {
    std::optional<Program> program = parse_text("def add(a, b) { let s = a + b return s }");
    ASSERT_EQ(program->statements.size(), 1u);
    const Stmt copy = program->statements[0];
    const auto& original = std::get<Stmt::FunctionDef>(program->statements[0].node);
    const std::shared_ptr<const FunctionCode> own = deep_copy(*original.code);
    EXPECT_NE(own.get(), original.code.get());
    EXPECT_EQ(*own, *original.code);

    program.reset();

    EXPECT_EQ(to_sexpr(copy), "(def add (a b) (block (let s (+ a b)) (return s)))");
    const auto& def = std::get<Stmt::FunctionDef>(copy.node);
    EXPECT_EQ(def.params(), (std::vector<Symbol>{"a", "b"}));
    EXPECT_EQ(to_sexpr(own->body), "(block (let s (+ a b)) (return s))");
    EXPECT_EQ(own->params, (std::vector<Symbol>{"a", "b"}));
}

TEST(AstCopy, NestedFunctionCopySurvivesOuterProgram) {
    // A function body copied out of an enclosing definition keeps its own
    // nested definition alive after the whole program is dropped.
    std::optional<Program> program = parse_text("def outer() { def inner(x) { x * 2 } }");
    const auto& outer = std::get<Stmt::FunctionDef>(program->statements.at(0).node);
    const Block body = outer.body();
    program.reset();
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(to_sexpr(body), "(block (def inner (x) (block (expr (* x 2)))))");
}

} // namespace
} // namespace quillo
