// The painting built-ins run by the interpreter, drawing into a recording
// canvas in place of a window.
#include <SDL2/SDL.h>

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "interpreter/interpreter.h"
#include "lexer/lexer.h"
#include "parser/parser.h"
#include "recording_canvas.h"

namespace quillo {
namespace {

using Calls = std::vector<std::string>;

// Runs a program; false when the run was stopped (its message goes to
// standard error).
bool run(Interpreter& in, std::string_view source) {
    const Program program = parse_program(tokenize(source));
    return run_guarded(in, [&] { in.run(program); });
}

struct Painting : ::testing::Test {
    Interpreter in;
    testing::RecordingCanvas canvas;
    void SetUp() override { in.graphics().attach_canvas(&canvas); }
};

TEST_F(Painting, DrawAndFillDispatchOnTheShape) {
    ASSERT_TRUE(run(in, R"(
        let c = color(9, 8, 7)
        draw(rect(1, 2, 3, 4), c)
        fill(rect(-1, -2, 0, -5), c)
        draw(circle(10, 10, 0), color(1, 1, 1))
        fill(circle(10, 10, 0), color(2, 2, 2))
        draw(triangle(0, 0, 1, 0, 0, 0), c)
        fill(triangle(0, 0, 0, 1, 1, 1), c)
    )"));
    const Calls expected = {
        "color 9 8 7",      "rect 1 2 3 4",     "color 9 8 7",      "fill_rect -1 -2 1 1073741823",
        "color 1 1 1",      "point 10 10",      "point 10 10",      "point 10 10",
        "point 10 10",      "point 10 10",      "point 10 10",      "point 10 10",
        "point 10 10",      "color 2 2 2",      "line 10 10 10 10", "line 10 10 10 10",
        "line 10 10 10 10", "line 10 10 10 10", "color 9 8 7",      "point 0 0",
        "point 1 0",        "point 1 0",        "point 0 0",        "point 0 0",
        "color 9 8 7",      "line 0 0 0 0",     "line 0 1 1 1"};
    EXPECT_EQ(canvas.calls, expected);
}

TEST_F(Painting, WrongKindsPaintNothingAndSetNoColour) {
    ASSERT_TRUE(run(in, R"(
        draw(rect(0, 0, 5, 5), 7)
        fill(rect(0, 0, 5, 5), "red")
        draw(color(1, 2, 3), color(1, 2, 3))
        fill([1, 2], color(1, 2, 3))
        draw(null, color(1, 2, 3))
        fill(rect(0, 0, 5, 5))
    )"));
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Painting, NegativeRadiusSetsTheColourOnly) {
    ASSERT_TRUE(run(in, "draw(circle(50, 50, -3), color(4, 5, 6))"));
    EXPECT_EQ(canvas.calls, (Calls{"color 4 5 6"}));
}

TEST_F(Painting, ClearPaintsOpaqueBlackAndTakesNoColour) {
    ASSERT_TRUE(run(in, "clear(color(255, 255, 255))\nclear()"));
    EXPECT_EQ(canvas.calls, (Calls{"color 0 0 0", "clear", "color 0 0 0", "clear"}));
}

TEST_F(Painting, ShapesAreReadWithTheirTruncatedFields) {
    // 4294967296 + 7 keeps its low 32 bits; 300 keeps its low 8.
    ASSERT_TRUE(run(in, "fill(rect(4294967303, 2.9, 1, 1), color(300, -1, 0))"));
    EXPECT_EQ(canvas.calls, (Calls{"color 44 255 0", "fill_rect 7 2 1 1"}));
}

TEST_F(Painting, RefusedColourEndsTheRun) {
    canvas.refuse_color = true;
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    const bool completed = run(in, R"(
        print("before")
        fill(rect(0, 0, 1, 1), color(1, 2, 3))
        print("after")
    )");
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(completed);
    EXPECT_EQ(out, "before\n");
    EXPECT_EQ(err, "canvas refused\n");
    // Nothing was painted after the refusal.
    EXPECT_EQ(canvas.calls, (Calls{"color 1 2 3"}));
}

TEST_F(Painting, RefusedClearEndsTheRunAndTheInterpreterGoesOn) {
    canvas.refuse_clear = true;
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(run(in, "def f() { clear() print(\"unreached\") }\nf()\nprint(\"unreached\")"));
    // As in the interactive loop: the next input runs normally.
    EXPECT_TRUE(run(in, "print(\"next\")"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "next\n");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Could not clear: canvas refused\n");
}

TEST(NoWindow, PaintingWithoutAWindowNeverStartsTheGraphicsLibrary) {
    Interpreter in;
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(run(in, R"(
        clear()
        draw(rect(0, 0, 5, 5), color(1, 2, 3))
        fill(circle(5, 5, 5), color(1, 2, 3))
        fill(triangle(0, 0, 5, 5, 0, 5), color(1, 2, 3))
        present()
        print(is_open(), window_width(), window_height())
        window("640", 480)
        window(640)
    )"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "false\nnull\nnull\n");
    EXPECT_EQ(SDL_WasInit(0), 0u);
    EXPECT_EQ(in.graphics().canvas(), nullptr);
}

} // namespace
} // namespace quillo
