#include "driver/pipeline.h"

#include <new>
#include <stdexcept>
#include <string>

#include "driver/interactive_loop.h"
#include "driver/log.h"
#include "driver/script_file.h"
#include "driver/stop_signals.h"
#include "driver/usage.h"
#include "graphics/frame_pacing.h"
#include "interpreter/console.h"
#include "interpreter/interpreter.h"
#include "lexer/lexer.h"
#include "parser/parser.h"

namespace quillo {

namespace {

constexpr const char* kBadFpsMessage =
    "Error: --fps takes a whole number of frames a second, from 0 (no pacing) to 1000.\n";

// Runs one loading phase (tokenizing or parsing), which works outside the
// guarded run. Running out of memory in it is reported and fails it.
template <typename F> bool within_memory(F&& phase) {
    try {
        phase();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    write_error(std::string(kOutOfMemoryMessage) + "\n");
    return false;
}

} // namespace

int run_script(const Options& options) {
    const Log log(options.verbose);
    log.separator();
    log.line("Starting Quillo interpreter...");

    if (!has_ql_extension(options.script_path)) {
        write_error("Error: Only .ql files are allowed.\n");
        return 1;
    }
    std::string error;
    std::optional<std::string> text = read_script(options.script_path, error);
    if (!text) {
        write_error("Error: Failed to read the file: " + error + "\n");
        return 1;
    }
    log.line("File read successfully (" + std::to_string(text->size()) + " bytes)");

    Stopwatch lex_clock;
    TokenList tokens;
    if (!within_memory([&] { tokens = tokenize(*text); })) return 1;
    const double lex_ms = lex_clock.elapsed_ms();
    log.line("Tokenization completed in " + format_ms(lex_ms));
    log.line("Generated " + std::to_string(tokens.size()) + " tokens");

    Stopwatch parse_clock;
    Program program;
    if (!within_memory([&] { program = parse_program(tokens); })) return 1;
    const double parse_ms = parse_clock.elapsed_ms();
    log.line("Parsing completed in " + format_ms(parse_ms));
    log.line("Generated AST with " + std::to_string(program.statements.size()) +
             " top-level statements");
    // What the parser could not follow would run as a different program.
    if (program.too_deep) {
        write_error(std::string(kNestingMessage) + "\n");
        return 1;
    }
    // The token list is not needed once the tree exists.
    TokenList().swap(tokens);

    log.line("Starting execution...");
    log.separator();
    Stopwatch exec_clock;
    bool completed = true;
    int signal = 0;
    {
        const StopSignals signals;
        Interpreter interpreter;
        completed = run_guarded(interpreter, [&] { interpreter.run(program); });
        signal = StopSignals::received();
    }
    const double exec_ms = exec_clock.elapsed_ms();
    // Stopped by a signal: what was printed is kept, and the status is the
    // conventional one for that signal.
    if (signal != 0) {
        flush_output();
        return 128 + signal;
    }

    log.separator();
    log.line("Tokenization: " + format_ms(lex_ms));
    log.line("Parsing:      " + format_ms(parse_ms));
    log.line("Execution:    " + format_ms(exec_ms));
    log.separator();
    // A run stopped because the stack or memory ran out did not do what the
    // script says: that is not reported as success.
    return completed ? 0 : 1;
}

int driver_main(const Options& options) {
    if (options.bad_fps && options.request == Request::Run) {
        write_diagnostic(kBadFpsMessage);
        return 1;
    }
    set_frame_rate(options.fps);
    if (options.request != Request::Run) {
        write_output(options.request == Request::Help ? usage_text() : version_text());
        return 0;
    }
    if (options.script_path.empty()) {
        // The verbose switch has no effect here.
        run_interactive_loop();
        return 0;
    }
    return run_script(options);
}

} // namespace quillo
