// The interactive loop: reads the language from standard input and runs each
// complete input at once on one long-lived interpreter.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillo {

// The two bracket counters of the loop. An input is complete when neither
// is above 0; counters may go below 0 and are never reset.
struct BracketDepth {
    std::int32_t paren = 0; // parentheses and square brackets
    std::int32_t brace = 0; // braces

    // Counts every bracket of the line, inside texts and comments too (the
    // count knows nothing of the language). A counter stops at the
    // smallest 32-bit value going down and, symmetrically, at the largest
    // going up, rather than wrapping to the other end.
    void count(std::string_view line);
    bool open() const { return paren > 0 || brace > 0; }
    bool balanced() const { return paren == 0 && brace == 0; }
};

// Runs the loop until "exit" or "quit" (answered with "Goodbye!") or the end
// of standard input (or a read error, or a line that is not UTF-8 text),
// then discards the interpreter. The greeting, prompts and farewell go to
// standard output with the typed programs' own output.
void run_interactive_loop();

} // namespace quillo
