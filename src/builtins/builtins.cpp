#include "builtins/builtins.h"

#include <array>
#include <string_view>

#include "builtins/library.h"

namespace quillo {

namespace {

constexpr std::array<std::string_view, kBuiltinCount> kNames = {
    "print",     "input",        "typeof",        "len",     "push",   "pop",          "reverse",
    "contains",  "concat",       "split",         "slice",   "upper",  "lower",        "is_number",
    "is_string", "is_array",     "is_dict",       "sqrt",    "floor",  "ceil",         "round",
    "abs",       "pow",          "min",           "max",     "random", "random_range", "window",
    "is_open",   "window_width", "window_height", "present", "clear",  "color",        "rect",
    "circle",    "triangle",     "draw",          "fill",
};

// A fixed comparison with the constant names (lengths first, then bytes);
// it allocates nothing. Calls are resolved when they are compiled, once per
// call in the source, never while they run.
Builtin resolve(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) return static_cast<Builtin>(i);
    }
    return Builtin::None;
}

struct Entry {
    BuiltinFunction function;
    // The minimum number of argument expressions; a call with fewer
    // evaluates nothing and gives null.
    std::uint8_t minimum;
};

// In the order of the Builtin enumeration.
constexpr std::array<Entry, kBuiltinCount> kEntries = {{
    {builtin_print, 0},         {builtin_input, 1},     {builtin_typeof, 1},
    {builtin_len, 1},           {builtin_push, 2},      {builtin_pop, 1},
    {builtin_reverse, 1},       {builtin_contains, 2},  {builtin_concat, 0},
    {builtin_split, 2},         {builtin_slice, 3},     {builtin_upper, 1},
    {builtin_lower, 1},         {builtin_is_number, 0}, {builtin_is_string, 0},
    {builtin_is_array, 0},      {builtin_is_dict, 0},   {builtin_sqrt, 1},
    {builtin_floor, 1},         {builtin_ceil, 1},      {builtin_round, 1},
    {builtin_abs, 1},           {builtin_pow, 2},       {builtin_min, 2},
    {builtin_max, 2},           {builtin_random, 0},    {builtin_random_range, 2},
    {builtin_window, 2},        {builtin_is_open, 0},   {builtin_window_width, 0},
    {builtin_window_height, 0}, {builtin_present, 0},   {builtin_clear, 0},
    {builtin_color, 3},         {builtin_rect, 4},      {builtin_circle, 3},
    {builtin_triangle, 6},      {builtin_draw, 2},      {builtin_fill, 2},
}};

} // namespace

std::string_view builtin_name(Builtin builtin) {
    const auto i = static_cast<std::size_t>(builtin);
    return i < kNames.size() ? kNames[i] : std::string_view();
}

Builtin builtin_named(Symbol name) {
    return resolve(name.text());
}

Value call_builtin(Interpreter& in, Builtin builtin, ArgList args) {
    const Entry& entry = kEntries[static_cast<std::size_t>(builtin)];
    if (args.size() < entry.minimum) return Value();
    return entry.function(in, args);
}

} // namespace quillo
