#include "driver/interactive_loop.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <limits>
#include <new>
#include <set>
#include <stdexcept>
#include <string>

#include "builtins/builtins.h"
#include "driver/line_editor.h"
#include "interpreter/console.h"
#include "interpreter/interpreter.h"
#include "interpreter/stack_guard.h"
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

// Ctrl-C at a terminal. While an input runs it stops that run (the way
// running out of stack does) and the loop prompts again with everything
// defined so far; while the loop waits for a line it drops the unfinished
// input and prompts afresh. Without this the interrupt would end the
// session and lose its state. Only installed when standard input is a
// terminal; a piped session keeps the default behaviour.
constexpr const char* kInterruptedMessage = "Interrupted";

volatile sig_atomic_t input_running = 0;
volatile sig_atomic_t interrupted_while_reading = 0;
pthread_t loop_thread;

void on_interrupt(int signal) {
    // The signal may reach another thread (with the sanitizers the loop
    // runs on a thread of its own); the stop belongs to the loop's thread.
    if (!pthread_equal(pthread_self(), loop_thread)) {
        pthread_kill(loop_thread, signal);
        return;
    }
    if (input_running) {
        stop_run(kInterruptedMessage);
    } else {
        interrupted_while_reading = 1;
    }
}

class InterruptHandler {
  public:
    InterruptHandler() {
        if (!isatty(STDIN_FILENO)) return;
        loop_thread = pthread_self();
        struct sigaction action {};
        action.sa_handler = on_interrupt;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a read waiting for a line returns, so the loop can
        // prompt again.
        action.sa_flags = 0;
        installed_ = sigaction(SIGINT, &action, &previous_) == 0;
    }
    ~InterruptHandler() {
        if (installed_) sigaction(SIGINT, &previous_, nullptr);
    }
    InterruptHandler(const InterruptHandler&) = delete;
    InterruptHandler& operator=(const InterruptHandler&) = delete;

    // True (once) when Ctrl-C cut short the read that just failed.
    static bool take_read_interrupt() {
        if (!interrupted_while_reading) return false;
        interrupted_while_reading = 0;
        std::clearerr(stdin);
        return true;
    }

  private:
    struct sigaction previous_ {};
    bool installed_ = false;
};

// Tokenizes, parses and executes one complete input. Nothing is hoisted and
// no `main` is called; pending return, break and continue signals are left
// as they are for the next input. A stop (recursion too deep, out of
// memory) is reported and ends this input only, as does running out of
// memory while reading it.
// The names it reads are added to `names` when there is such a set (Tab
// completion at a terminal keeps one).
void run_input(Interpreter& interpreter, const std::string& text, std::set<std::string>* names) {
    Program program;
    try {
        const TokenList tokens = tokenize(text);
        for (const Token& t : tokens) {
            if (names != nullptr && t.kind == TokenKind::Identifier) names->insert(t.text());
        }
        program = parse_program(tokens);
    } catch (const std::bad_alloc&) {
        report_abort(kOutOfMemoryMessage);
        return;
    } catch (const std::length_error&) {
        report_abort(kOutOfMemoryMessage);
        return;
    }
    // An input nested deeper than the parser follows is not run as a
    // different program; the loop prompts again.
    if (program.too_deep) {
        report_abort(kNestingMessage);
        return;
    }
    input_running = 1;
    run_guarded(interpreter, [&] {
        for (const Stmt& stmt : program.statements) {
            interpreter.execute(stmt);
            if (interpreter.stopped()) return;
        }
    });
    input_running = 0;
    // An interrupt that arrived just as the input ended is dropped.
    if (stop_message() != nullptr) interpreter.clear_signals();
}

// What Tab may complete a word to: the keywords, the built-ins, and the
// names typed so far that hold a value now.
std::vector<std::string> completions(std::string_view prefix, Interpreter& interpreter,
                                     const std::set<std::string>& names) {
    std::vector<std::string> out;
    auto offer = [&](std::string_view name) {
        if (name.starts_with(prefix)) out.emplace_back(name);
    };
    for (const std::string_view k : keyword_texts())
        offer(k);
    for (std::size_t i = 0; i < kBuiltinCount; ++i)
        offer(builtin_name(static_cast<Builtin>(i)));
    for (auto it = names.lower_bound(std::string(prefix)); it != names.end(); ++it) {
        if (!it->starts_with(prefix)) break;
        if (!interpreter.environment().get_variable(Symbol(*it)).is_null()) out.push_back(*it);
    }
    return out;
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
    const InterruptHandler interrupts;
    BracketDepth depth;
    // The lines of an input that is not complete yet, joined by line feeds.
    std::string pending;
    std::string line;
    std::set<std::string> names;
    // At a terminal lines are read through the line editor; from a file or
    // a pipe they are read plainly, exactly as typed.
    const std::unique_ptr<LineEditor> editor = LineEditor::open_on_terminal(
        [&](std::string_view prefix) { return completions(prefix, interpreter, names); });
    for (;;) {
        const char* prompt = depth.balanced() ? ">>> " : "... ";
        bool got = false;
        if (editor) {
            got = editor->read_line(prompt, line);
        } else {
            write_output(prompt);
            flush_output();
            got = read_line(line);
        }
        if (!got) {
            if (!InterruptHandler::take_read_interrupt()) {
                // Ctrl-D at a terminal: the shell's prompt that follows
                // starts on a line of its own, not after ">>> ".
                if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) write_output("\n");
                break;
            }
            // Ctrl-C at the prompt: a fresh start for the input.
            write_output("\n");
            pending.clear();
            depth = BracketDepth();
            continue;
        }
        // A line that is not UTF-8 text counts as a failed read, as it does
        // for `input`.
        if (!is_valid_utf8(line)) break;
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
        // A multi-line input is recalled as one entry.
        if (editor) editor->remember(input);
        run_input(interpreter, input, editor ? &names : nullptr);
    }
    flush_output();
}

} // namespace quillo
