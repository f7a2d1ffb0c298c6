// Call resolution and the built-in functions.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "interpreter/code.h"
#include "interpreter/value.h"
#include "lexer/symbol.h"

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
// (case-sensitively).
Builtin builtin_named(Symbol name);
// The name a built-in is called by.
std::string_view builtin_name(Builtin builtin);

// Calls are resolved by name: a built-in of that name if there is one
// (decided once per name, when the call is compiled), otherwise the user
// function held by the variable of that name when the call runs, otherwise
// null without evaluating any argument (see the call nodes in
// interpreter/code.cpp).
//
// Runs a built-in with its argument expressions, which it evaluates itself
// as far as it needs them, left to right. A call with fewer arguments than
// the built-in needs evaluates nothing and gives null.
Value call_builtin(Interpreter& interpreter, Builtin builtin, ArgList args);

} // namespace quillo
