// The parser: recursive descent from tokens to a Program. It never fails and
// never reports anything; malformed input loses statements silently.
#pragma once

#include <cstddef>

#include "lexer/token.h"
#include "parser/ast.h"

namespace quillo {

// How deeply constructs may nest (brackets, prefix operators, statement
// blocks, dict literals) before the parser stops descending. Deeper input is
// still consumed, linearly and without recursion beyond this depth: at the
// limit the innermost position reads as `0` and takes exactly one token, and
// the program is marked `too_deep` so that it is reported ("Error: nesting
// too deep") rather than run as a different program.
// The same number caps the height of an expression built by a chain
// (`a + b + ...`, `a.b.c ...`, `a[0][1] ...`): a link that would make the tree
// taller is read and dropped. No real program comes near either limit; they
// exist so that hostile input such as a million opening brackets or a
// million-term sum cannot exhaust the native stack of the code that parses,
// walks or frees the tree. The interpreter's driver runs on a stack large
// enough for this depth.
inline constexpr std::size_t kMaxNesting = 200'000;
inline constexpr const char* kNestingMessage = "Error: nesting too deep";

// Parses a whole token list (which must end with an Eof token, as tokenize
// guarantees; a list without one behaves as if it had one) into a Program.
Program parse_program(const TokenList& tokens);

} // namespace quillo
