// The code tree: the form in which the interpreter runs a program.
//
// Before a program (or one interactive input) runs, its syntax tree is
// translated once into a tree of code nodes. Each node knows how to run
// itself, names are already interned, the built-in a call names is already
// known, literals are ready-made values, and common shapes get nodes of
// their own (an operator with a literal right operand, a `for` over a
// range, a member access by a fixed key). Running the code tree does
// exactly what the syntax tree says, in the same order, with the same
// results; it only avoids deciding the same things again on every visit.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "interpreter/value.h"
#include "lexer/symbol.h"
#include "parser/ast.h"

namespace quillo {

class Interpreter;

// An expression node.
struct ExprNode {
    virtual ~ExprNode() = default;
    virtual Value eval(Interpreter& in) const = 0;
    // The truth of the value, for conditions; comparisons answer directly.
    virtual bool test(Interpreter& in) const { return is_truthy(eval(in)); }
};

using ExprPtr = std::unique_ptr<ExprNode>;
// The argument expressions of a call, in source order.
using ArgList = std::span<const ExprPtr>;

// A statement node.
struct StmtNode {
    // What the hoisting pass of a program run looks at.
    enum class Kind : std::uint8_t { Let, FunctionDef, Other };
    explicit StmtNode(Kind k = Kind::Other) : kind(k) {}
    virtual ~StmtNode() = default;
    virtual void exec(Interpreter& in) const = 0;
    Kind kind;
};

using StmtPtr = std::unique_ptr<StmtNode>;
using CodeBlock = std::vector<StmtPtr>;

// A user function ready to run: its parameter names and compiled body.
// Function values share it (it never changes); it keeps the source code it
// came from alive.
struct CompiledFunction {
    std::shared_ptr<const FunctionCode> source;
    std::vector<std::uint32_t> param_ids; // the parameters' symbol ids
    CodeBlock body;
    const std::vector<Symbol>& params() const { return source->params; }
};

// Translates syntax into code.
ExprPtr compile_expr(const Expr& expr);
StmtPtr compile_stmt(const Stmt& stmt);
CodeBlock compile_block(const Block& block);
std::shared_ptr<const CompiledFunction> compile_function(std::shared_ptr<const FunctionCode> code);

} // namespace quillo
