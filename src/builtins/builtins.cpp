#include "builtins/builtins.h"

#include <array>

#include "interpreter/console.h"
#include "interpreter/display.h"
#include "interpreter/interpreter.h"
#include "interpreter/stack_guard.h"

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

// The answer of builtin_named per symbol id: 0 while not yet worked out,
// otherwise the built-in's number plus one.
std::vector<std::uint8_t>& resolved_names() {
    static std::vector<std::uint8_t>* table = new std::vector<std::uint8_t>;
    return *table;
}

Builtin resolve(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) return static_cast<Builtin>(i);
    }
    return Builtin::None;
}

Value builtin_print(Interpreter& in, ArgList args) {
    // Every argument is evaluated before anything is written, so output
    // that an argument's evaluation produces comes first.
    const std::size_t count = in.push_arguments(args);
    std::string out;
    for (const Value& v : in.top_arguments(count)) {
        append_display(out, v);
        out += '\n';
    }
    in.drop_arguments(count);
    // A run stopped while the text was built writes nothing.
    if (stop_message() == nullptr) write_output(out);
    return Value();
}

Value builtin_typeof(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    return in.type_name_value(v.kind());
}

// The minimum number of argument expressions of each built-in; a call with
// fewer evaluates nothing and gives null.
constexpr std::array<std::uint8_t, kBuiltinCount> kMinimumArguments = {
    0, 1, 1, 1, 2, 1, 1, 2, 0, 2, 3, 1, 1, 0, 0, 0, 0, 1, 1, 1,
    1, 1, 2, 2, 2, 0, 2, 2, 0, 0, 0, 0, 0, 3, 4, 3, 6, 2, 2,
};

} // namespace

Builtin builtin_named(Symbol name) {
    std::vector<std::uint8_t>& table = resolved_names();
    const std::uint32_t id = name.id();
    if (id >= table.size()) table.resize(static_cast<std::size_t>(id) + 1 + id / 2, 0);
    std::uint8_t& entry = table[id];
    if (entry == 0) entry = static_cast<std::uint8_t>(resolve(name.text())) + 1;
    return static_cast<Builtin>(entry - 1);
}

Value call_builtin(Interpreter& in, Builtin builtin, ArgList args) {
    if (args.size() < kMinimumArguments[static_cast<std::size_t>(builtin)]) return Value();
    switch (builtin) {
    case Builtin::Print: return builtin_print(in, args);
    case Builtin::Typeof: return builtin_typeof(in, args);
    default:
        // The rest of the library is not part of this build yet: these
        // names are reserved and their calls give null.
        return Value();
    }
}

} // namespace quillo
