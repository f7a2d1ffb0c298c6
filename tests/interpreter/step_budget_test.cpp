// A harness's step budget: loop turns, calls and the numbers a range makes
// are counted, and the run stops when the budget is spent, never before.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "interpreter/interpreter.h"
#include "lexer/lexer.h"
#include "parser/parser.h"

namespace quillo {
namespace {

TEST(StepBudget, StopsExactlyTheRunsThatSpendIt) {
    const struct {
        std::string_view source;
        std::uint64_t budget;
        bool stops;
    } cases[] = {
        {"while true { }", 100, true},
        {"let i = 0 while i < 50 { i += 1 }", 100, false},
        {"for x in 0..99 { }", 100, false},
        {"for x in 0..101 { }", 100, true},
        {"def f(n) { if n > 0 { f(n - 1) } } f(98)", 100, false},
        {"def f(n) { if n > 0 { f(n - 1) } } f(200)", 100, true},
        // A range of 4,096 numbers costs a step.
        {"let r = 0..100000", 50, false},
        {"let r = 0..400000", 50, true},
    };
    for (const auto& c : cases) {
        Interpreter in;
        in.set_step_budget(c.budget);
        const Program program = parse_program(tokenize(c.source));
        const bool finished = run_guarded(in, [&] { in.run(program); });
        EXPECT_EQ(finished, !c.stops) << c.source;
    }
}

} // namespace
} // namespace quillo
