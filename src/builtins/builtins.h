// Call resolution and the built-in functions.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "interpreter/value.h"
#include "lexer/symbol.h"
#include "parser/ast.h"

namespace quillo {

class Interpreter;

// The built-in functions, one per name.
enum class Builtin : std::uint8_t {
    Print,
    Input,
    Typeof,
    Len,
    Push,
    Pop,
    Reverse,
    Contains,
    Concat,
    Split,
    Slice,
    Upper,
    Lower,
    IsNumber,
    IsString,
    IsArray,
    IsDict,
    Sqrt,
    Floor,
    Ceil,
    Round,
    Abs,
    Pow,
    Min,
    Max,
    Random,
    RandomRange,
    Window,
    IsOpen,
    WindowWidth,
    WindowHeight,
    Present,
    Clear,
    Color,
    Rect,
    Circle,
    Triangle,
    Draw,
    Fill,
    None, // not a built-in name
};

inline constexpr std::size_t kBuiltinCount = static_cast<std::size_t>(Builtin::None);

// The built-in a name calls, or Builtin::None. Names are compared exactly
// (case-sensitively); the answer for each name is worked out once and then
// looked up by the symbol's id.
Builtin builtin_named(Symbol name);

// The name of a built-in, as scripts write it.
std::string_view builtin_name(Builtin builtin);

// Evaluates a call expression: a built-in of that name if there is one,
// otherwise a user function held by the variable of that name, otherwise
// null (and then no argument is evaluated).
Value call_by_name(Interpreter& interpreter, const Expr::Call& call);

} // namespace quillo
