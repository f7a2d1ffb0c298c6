// color, rect, circle and triangle build shape values; draw, fill and clear
// paint them on the window's canvas.
#include <array>
#include <cstdint>
#include <string>

#include "builtins/library.h"
#include "graphics/graphics_state.h"
#include "graphics/raster.h"
#include "interpreter/interpreter.h"
#include "interpreter/stack_guard.h"

namespace quillo {

namespace {

// Evaluates the first N arguments, left to right, and only then reads them
// as integers. False when any is not a number.
template <std::size_t N>
bool integer_arguments(Interpreter& in, ArgList args, std::array<std::int64_t, N>& out) {
    bool all = true;
    for (std::size_t i = 0; i < N; ++i) {
        const Value v = args[i]->eval(in);
        all = as_integer(v, out[i]) && all;
    }
    return all && !in.stopped();
}

// Fields keep the low bits of the 64-bit integer: 32 for coordinates and
// sizes, 8 for colour components.
std::int32_t low32(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}
std::uint32_t low32u(std::int64_t v) {
    return static_cast<std::uint32_t>(v);
}
std::uint8_t low8(std::int64_t v) {
    return static_cast<std::uint8_t>(v);
}

// The message of a failed canvas call that ends the run; it must outlive
// the stop that refers to it.
thread_local std::string fatal_message;

void stop_with(std::string message) {
    fatal_message = std::move(message);
    stop_run(fatal_message.c_str());
}

// Sets the canvas colour, opaque. Its failure ends the run with the
// canvas's error.
bool set_color(Canvas& canvas, Value::ColorData c) {
    if (canvas.set_color(c.r, c.g, c.b)) return true;
    stop_with(canvas.error());
    return false;
}

// draw and fill: both arguments are evaluated, also without a window; a
// value that is not a shape, or a colour that is not a colour, paints
// nothing.
template <bool Solid> Value paint(Interpreter& in, ArgList args) {
    const Value shape = args[0]->eval(in);
    const Value colour = args[1]->eval(in);
    Canvas* canvas = in.graphics().canvas();
    if (canvas == nullptr || in.stopped() || !colour.is(Value::Color)) return Value();
    if (!shape.is(Value::Rect) && !shape.is(Value::Circle) && !shape.is(Value::Triangle)) {
        return Value();
    }
    if (!set_color(*canvas, colour.color_data())) return Value();
    if (shape.is(Value::Rect)) {
        const SDL_Rect r = to_sdl_rect(shape.rect_data());
        Solid ? canvas->fill_rect(r) : canvas->rect(r);
    } else if (shape.is(Value::Circle)) {
        const Value::CircleData c = shape.circle_data();
        // The radius is read as a signed number: a "negative" radius
        // paints nothing.
        Solid ? fill_circle(*canvas, c.x, c.y, low32(c.radius))
              : draw_circle(*canvas, c.x, c.y, low32(c.radius));
    } else {
        Solid ? fill_triangle(*canvas, shape.triangle_data())
              : draw_triangle(*canvas, shape.triangle_data());
    }
    return Value();
}

} // namespace

Value builtin_color(Interpreter& in, ArgList args) {
    std::array<std::int64_t, 3> n{};
    if (!integer_arguments(in, args, n)) return Value();
    return Value::color({low8(n[0]), low8(n[1]), low8(n[2])});
}

Value builtin_rect(Interpreter& in, ArgList args) {
    std::array<std::int64_t, 4> n{};
    if (!integer_arguments(in, args, n)) return Value();
    return Value::rect({low32(n[0]), low32(n[1]), low32u(n[2]), low32u(n[3])});
}

Value builtin_circle(Interpreter& in, ArgList args) {
    std::array<std::int64_t, 3> n{};
    if (!integer_arguments(in, args, n)) return Value();
    return Value::circle({low32(n[0]), low32(n[1]), low32u(n[2])});
}

Value builtin_triangle(Interpreter& in, ArgList args) {
    std::array<std::int64_t, 6> n{};
    if (!integer_arguments(in, args, n)) return Value();
    return Value::triangle(
        {low32(n[0]), low32(n[1]), low32(n[2]), low32(n[3]), low32(n[4]), low32(n[5])});
}

Value builtin_draw(Interpreter& in, ArgList args) {
    return paint<false>(in, args);
}

Value builtin_fill(Interpreter& in, ArgList args) {
    return paint<true>(in, args);
}

Value builtin_clear(Interpreter& in, ArgList) {
    Canvas* canvas = in.graphics().canvas();
    if (canvas == nullptr) return Value();
    if (!set_color(*canvas, {0, 0, 0})) return Value();
    if (!canvas->clear()) stop_with("Could not clear: " + canvas->error());
    return Value();
}

} // namespace quillo
