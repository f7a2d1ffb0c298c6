#include "driver/interactive_loop.h"

#include <limits>
#include <string>

#include "interpreter/console.h"
#include "interpreter/interpreter.h"
#include "lexer/lexer.h"
#include "lexer/utf8.h"
#include "parser/parser.h"

namespace quillo {

namespace {

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

void up(std::int32_t& counter) {
    if (counter != kHighest) ++counter;
}

void down(std::int32_t& counter) {
    if (counter != kLowest) --counter;
}

// Tokenizes, parses and executes one complete input. Nothing is hoisted and
// no `main` is called; pending return, break and continue signals are left
// as they are for the next input. A stop (recursion too deep, out of
// memory) is reported and ends this input only.
void run_input(Interpreter& interpreter, const std::string& text) {
    Program program;
    {
        const TokenList tokens = tokenize(text);
        program = parse_program(tokens);
    }
    run_guarded(interpreter, [&] {
        for (const Stmt& stmt : program.statements) {
            interpreter.execute(stmt);
            if (interpreter.stopped()) return;
        }
    });
}

} // namespace

void BracketDepth::count(std::string_view line) {
    for (const char c : line) {
        switch (c) {
        case '(':
        case '[': up(paren); break;
        case ')':
        case ']': down(paren); break;
        case '{': up(brace); break;
        case '}': down(brace); break;
        default: break;
        }
    }
}

void run_interactive_loop() {
    write_output("Welcome to Quillo Interactive REPL!\n");
    write_output("Type 'exit' to quit.\n");
    write_output("\n");
    Interpreter interpreter;
    BracketDepth depth;
    // The lines of an input that is not complete yet, joined by line feeds.
    std::string pending;
    std::string line;
    for (;;) {
        write_output(depth.balanced() ? ">>> " : "... ");
        flush_output();
        // A line that is not UTF-8 text counts as a failed read, as it does
        // for `input`.
        if (!read_line(line) || !is_valid_utf8(line)) break;
        const std::string_view text = trim_white_space(line);
        if (text.empty()) continue;
        // Checked before any counting, so these words also end an
        // unfinished input.
        if (text == "exit" || text == "quit") {
            write_output("Goodbye!\n");
            break;
        }
        depth.count(text);
        pending += text;
        if (depth.open()) {
            pending += '\n';
            continue;
        }
        std::string input;
        input.swap(pending);
        run_input(interpreter, input);
    }
    flush_output();
}

} // namespace quillo
