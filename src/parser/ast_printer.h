// A compact S-expression form of syntax trees, for tests and debugging.
#pragma once

#include <string>

#include "parser/ast.h"

namespace quillo {

// Examples: `(+ 1 (* 2 3))`, `(call f a "s")`, `(index a "b")`,
// `(if c (block (expr 1)) (block))`, `(float 0.5)`. A Program prints one
// top-level statement per line.
std::string to_sexpr(const Expr& e);
std::string to_sexpr(const Stmt& s);
std::string to_sexpr(const Block& b);
std::string to_sexpr(const Program& p);

} // namespace quillo
