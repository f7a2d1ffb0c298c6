// The shape rasterisers: circles, lines and triangles turned into the
// point and line calls of a canvas, pixel for pixel as the language defines
// them.
#pragma once

#include <SDL2/SDL_rect.h>

#include <cstdint>

#include "graphics/canvas.h"
#include "interpreter/value.h"

namespace quillo {

// Coordinates handed to a canvas are kept within ±2^30 (-1073741824 to
// 1073741823).
inline constexpr std::int32_t kCoordinateMin = -1073741824;
inline constexpr std::int32_t kCoordinateMax = 1073741823;

constexpr std::int32_t clamp_coordinate(std::int32_t v) {
    return v < kCoordinateMin ? kCoordinateMin : v > kCoordinateMax ? kCoordinateMax : v;
}

// A rectangle value as a canvas rectangle: the position clamped, a width or
// height of 0 made 1 and anything above 1073741823 made 1073741823 (so a
// negative width, stored as a large unsigned number, is very wide).
SDL_Rect to_sdl_rect(const Value::RectData& rect);

// Midpoint circle, eight points per step. A radius that is negative as a
// signed 32-bit number paints nothing; radius 0 paints the centre.
void draw_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r);
// The same walk as draw_circle, four horizontal lines per step.
void fill_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r);

// Bresenham's line, point by point, both ends included.
void draw_line_points(Canvas& canvas, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                      std::int32_t y1);

// The three sides, corner 1 to 2, 2 to 3, 3 to 1.
void draw_triangle(Canvas& canvas, const Value::TriangleData& t);
// One horizontal line per row, from the corners' rows in single precision.
void fill_triangle(Canvas& canvas, const Value::TriangleData& t);

// Bounds the painting a harness lets one run do, as the interpreter's step
// budget bounds its loop turns and calls: every 65,536 steps of any shape's
// walk spend one block, and when `blocks` are spent the run is stopped with
// the step-budget message (the walk then ends). The budget belongs to the
// calling thread; without one, walks are bounded only by their shapes.
void set_walk_budget(std::uint64_t blocks);

// A single-precision position as a 32-bit integer: truncated toward zero,
// saturating at the limits, NaN giving 0.
std::int32_t to_int32(float v);

} // namespace quillo
