#include "graphics/raster.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "interpreter/stack_guard.h"

namespace quillo {

// Triangle spans are computed in single precision with every operation
// rounded on its own (the build also forbids fused multiply-add); a target
// that evaluates floats in a wider format would paint other pixels.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must round to float after each operation");

namespace {

// Coordinate sums wrap around in 32 bits, as the language defines.
constexpr std::int32_t wrap(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

void plot(Canvas& canvas, std::int64_t x, std::int64_t y) {
    canvas.point(clamp_coordinate(wrap(x)), clamp_coordinate(wrap(y)));
}

void row_line(Canvas& canvas, std::int64_t x0, std::int64_t x1, std::int64_t y) {
    const std::int32_t row = clamp_coordinate(wrap(y));
    canvas.line(clamp_coordinate(wrap(x0)), row, clamp_coordinate(wrap(x1)), row);
}

// Rows [first, last] narrowed to those the canvas shows. Exact for clamped
// coordinates: clamping keeps order, so a row outside a canvas range that
// lies strictly inside the coordinate limits stays outside once clamped.
void narrow_rows(const Canvas& canvas, std::int64_t& first, std::int64_t& last) {
    const RowRange rows = canvas.rows();
    if (rows.first > kCoordinateMin) first = std::max(first, rows.first);
    if (rows.last < kCoordinateMax) last = std::min(last, rows.last);
}

// A huge shape takes long to paint. Every so many steps a walk looks
// whether the run is being stopped (an interruption at the interactive
// prompt, say) and then ends early.
class StopCheck {
  public:
    bool stop() { return (++steps_ & 0xFFFF) == 0 && must_stop(); }

  private:
    std::uint32_t steps_ = 0;
};

// The midpoint walk shared by draw_circle and fill_circle: step(x, y) is
// called for every position of the walk. The error term is kept in 64 bits,
// where it cannot overflow for any 32-bit radius.
template <typename Step> void walk_circle(std::int32_t r, Step step) {
    if (r < 0) return;
    std::int64_t x = r;
    std::int64_t y = 0;
    std::int64_t err = 0;
    StopCheck check;
    while (x >= y && !check.stop()) {
        step(x, y);
        y += 1;
        err += 1 + 2 * y;
        if (2 * (err - x) + 1 > 0) {
            x -= 1;
            err += 1 - 2 * x;
        }
    }
}

} // namespace

SDL_Rect to_sdl_rect(const Value::RectData& rect) {
    auto size = [](std::uint32_t v) {
        if (v == 0) return 1;
        return static_cast<int>(std::min<std::uint32_t>(v, kCoordinateMax));
    };
    return {clamp_coordinate(rect.x), clamp_coordinate(rect.y), size(rect.width),
            size(rect.height)};
}

void draw_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r) {
    walk_circle(r, [&](std::int64_t x, std::int64_t y) {
        plot(canvas, cx + x, cy + y);
        plot(canvas, cx - x, cy + y);
        plot(canvas, cx + x, cy - y);
        plot(canvas, cx - x, cy - y);
        plot(canvas, cx + y, cy + x);
        plot(canvas, cx - y, cy + x);
        plot(canvas, cx + y, cy - x);
        plot(canvas, cx - y, cy - x);
    });
}

void fill_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r) {
    walk_circle(r, [&](std::int64_t x, std::int64_t y) {
        row_line(canvas, cx - x, cx + x, cy + y);
        row_line(canvas, cx - y, cx + y, cy + x);
        row_line(canvas, cx - x, cx + x, cy - y);
        row_line(canvas, cx - y, cx + y, cy - x);
    });
}

void draw_line_points(Canvas& canvas, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                      std::int32_t y1) {
    // A line whose rows are all hidden paints nothing.
    std::int64_t top = std::min(y0, y1);
    std::int64_t bottom = std::max(y0, y1);
    narrow_rows(canvas, top, bottom);
    if (top > bottom) return;

    // Differences and the error term are exact 64-bit numbers. Taken in
    // wrapping 32-bit arithmetic, the differences of ends more than 2^31
    // apart would send the walk the wrong way, and it would then never meet
    // the far end.
    const std::int64_t dx = std::abs(std::int64_t{x1} - x0);
    const std::int64_t dy = std::abs(std::int64_t{y1} - y0);
    const std::int64_t sx = x1 > x0 ? 1 : -1;
    const std::int64_t sy = y1 > y0 ? 1 : -1;
    std::int64_t err = dx - dy;
    std::int64_t x = x0;
    std::int64_t y = y0;
    StopCheck check;
    while (!check.stop()) {
        plot(canvas, x, y);
        if (x == x1 && y == y1) return;
        const std::int64_t e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void draw_triangle(Canvas& canvas, const Value::TriangleData& t) {
    draw_line_points(canvas, t.x1, t.y1, t.x2, t.y2);
    draw_line_points(canvas, t.x2, t.y2, t.x3, t.y3);
    draw_line_points(canvas, t.x3, t.y3, t.x1, t.y1);
}

std::int32_t to_int32(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

namespace {

struct Corner {
    std::int32_t x, y;
};

// Where the edge from a to b meets row y, in single precision: each
// coordinate becomes a float first, and every operation rounds to float.
std::int32_t edge_x(Corner a, Corner b, std::int64_t y) {
    const float t = (static_cast<float>(y) - static_cast<float>(a.y)) /
                    (static_cast<float>(b.y) - static_cast<float>(a.y));
    const float x =
        t * (static_cast<float>(b.x) - static_cast<float>(a.x)) + static_cast<float>(a.x);
    return to_int32(x);
}

} // namespace

void fill_triangle(Canvas& canvas, const Value::TriangleData& t) {
    // Ordered by row, smallest first; corners on one row keep their order.
    std::array<Corner, 3> c = {{{t.x1, t.y1}, {t.x2, t.y2}, {t.x3, t.y3}}};
    if (c[1].y < c[0].y) std::swap(c[0], c[1]);
    if (c[2].y < c[1].y) {
        std::swap(c[1], c[2]);
        if (c[1].y < c[0].y) std::swap(c[0], c[1]);
    }
    const Corner p0 = c[0];
    const Corner p1 = c[1];
    const Corner p2 = c[2];
    if (p2.y == p0.y) return;

    std::int64_t first = p0.y;
    std::int64_t last = p2.y;
    narrow_rows(canvas, first, last);
    StopCheck check;
    for (std::int64_t y = first; y <= last && !check.stop(); ++y) {
        const std::int32_t a = edge_x(p0, p2, y);
        const std::int32_t b = (p1.y > p0.y && y <= p1.y) ? edge_x(p0, p1, y) : edge_x(p1, p2, y);
        row_line(canvas, std::min(a, b), std::max(a, b), y);
    }
}

} // namespace quillo
