// The binary operators of the language.
#pragma once

#include "interpreter/value.h"
#include "lexer/token.h"

namespace quillo {

// Applies a binary operator. Both operands must be of the same kind among
// numbers (wrapping 64-bit arithmetic), floats, texts (+, ==, !=) and
// booleans (and, or, ==, !=); every other combination gives null. Integer
// division or remainder by zero writes "Error: division by zero" to standard
// error and gives 0.
Value apply_binary(Value left, TokenKind op, Value right);

// The operator of a compound assignment (+= gives +, and so on).
TokenKind compound_operator(TokenKind assign);

// Integer power with wrapping multiplication; the exponent is taken modulo
// 2^32 as an unsigned number.
std::int64_t integer_power(std::int64_t base, std::int64_t exponent);

} // namespace quillo
