// The built-in functions themselves, one function each, grouped by family
// in the files of this directory. Each receives the call's argument
// expressions (at least as many as its minimum, which the caller checks)
// and evaluates those it uses, left to right.
#pragma once

#include "interpreter/code.h"
#include "interpreter/value.h"

namespace quillo {

class Interpreter;

using BuiltinFunction = Value (*)(Interpreter&, ArgList);

// Console: console_io.cpp.
Value builtin_print(Interpreter& in, ArgList args);
Value builtin_input(Interpreter& in, ArgList args);

// Types: type_tests.cpp.
Value builtin_typeof(Interpreter& in, ArgList args);
Value builtin_is_number(Interpreter& in, ArgList args);
Value builtin_is_string(Interpreter& in, ArgList args);
Value builtin_is_array(Interpreter& in, ArgList args);
Value builtin_is_dict(Interpreter& in, ArgList args);

// Lengths and arrays: collections.cpp.
Value builtin_len(Interpreter& in, ArgList args);
Value builtin_push(Interpreter& in, ArgList args);
Value builtin_pop(Interpreter& in, ArgList args);
Value builtin_reverse(Interpreter& in, ArgList args);

// Texts: text.cpp and case_mapping.cpp.
Value builtin_contains(Interpreter& in, ArgList args);
Value builtin_concat(Interpreter& in, ArgList args);
Value builtin_split(Interpreter& in, ArgList args);
Value builtin_slice(Interpreter& in, ArgList args);
Value builtin_upper(Interpreter& in, ArgList args);
Value builtin_lower(Interpreter& in, ArgList args);

// Arithmetic: math.cpp.
Value builtin_sqrt(Interpreter& in, ArgList args);
Value builtin_floor(Interpreter& in, ArgList args);
Value builtin_ceil(Interpreter& in, ArgList args);
Value builtin_round(Interpreter& in, ArgList args);
Value builtin_abs(Interpreter& in, ArgList args);
Value builtin_pow(Interpreter& in, ArgList args);
Value builtin_min(Interpreter& in, ArgList args);
Value builtin_max(Interpreter& in, ArgList args);

// Random numbers: random.cpp.
Value builtin_random(Interpreter& in, ArgList args);
Value builtin_random_range(Interpreter& in, ArgList args);

// The window: graphics/window_builtins.cpp.
Value builtin_window(Interpreter& in, ArgList args);
Value builtin_is_open(Interpreter& in, ArgList args);
Value builtin_window_width(Interpreter& in, ArgList args);
Value builtin_window_height(Interpreter& in, ArgList args);
Value builtin_present(Interpreter& in, ArgList args);

// Shapes and painting: graphics/drawing_builtins.cpp.
Value builtin_clear(Interpreter& in, ArgList args);
Value builtin_color(Interpreter& in, ArgList args);
Value builtin_rect(Interpreter& in, ArgList args);
Value builtin_circle(Interpreter& in, ArgList args);
Value builtin_triangle(Interpreter& in, ArgList args);
Value builtin_draw(Interpreter& in, ArgList args);
Value builtin_fill(Interpreter& in, ArgList args);

} // namespace quillo
