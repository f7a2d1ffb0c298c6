// print and input.
#include <string>

#include "builtins/arguments.h"
#include "builtins/library.h"
#include "interpreter/console.h"
#include "interpreter/display.h"
#include "interpreter/interpreter.h"
#include "interpreter/stack_guard.h"
#include "lexer/utf8.h"

namespace quillo {

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
    // A run stopped while the text was built writes nothing. Standard
    // output that cannot be written is not reported: a closed pipe ends the
    // process quietly (the default for a broken pipe, as for any filter),
    // and other write failures are ignored.
    if (stop_message() == nullptr) write_output(out);
    return Value();
}

Value builtin_input(Interpreter& in, ArgList args) {
    const Value prompt = args[0]->eval(in);
    if (in.stopped()) return Value();
    write_output(DisplayText(prompt).view());
    flush_output();
    std::string line;
    // The end of the input, a failed read and a line that is not UTF-8 text
    // all give the empty text.
    if (!read_line(line) || !is_valid_utf8(line)) return Value::string(std::string());
    const std::string_view kept = trim_white_space(line);
    if (kept.size() == line.size()) return Value::string(std::move(line));
    return Value::string(kept);
}

} // namespace quillo
