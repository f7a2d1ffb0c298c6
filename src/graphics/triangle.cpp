// Filled triangles: one horizontal span per row, in single precision.
#include <algorithm>
#include <array>
#include <cfloat>

#include "graphics/raster.h"
#include "graphics/raster_support.h"

namespace quillo {

using namespace raster_detail;

// Triangle spans are computed in single precision with every operation
// rounded on its own (the build also forbids fused multiply-add); a target
// that evaluates floats in a wider format would paint other pixels.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must round to float after each operation");

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
