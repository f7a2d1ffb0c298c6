// Lines: Bresenham's walk, point by point.
#include <algorithm>
#include <cstdlib>

#include "graphics/raster.h"
#include "graphics/raster_support.h"

namespace quillo {

using namespace raster_detail;

namespace {

// Bresenham's walk seen along its major axis, the one with the larger
// distance D (x when both are equal); d is the distance along the minor
// axis. Every step moves one along the major axis, and also one along the
// minor axis exactly when the error term e is at most T = (D - 1) / 2;
// each step takes d from e and gives D back when the minor axis moves.
// (For a line along x, e is the walk's error term err; along y it is
// -err. The walk's two tests, 2·err > -dy and 2·err < dx, then read
// "always" for the major axis and "e <= T" for the minor one.)
//
// From its start e0 = D - d, e stays within [T + 1 - d, T + D - d], a
// range of D values; after k steps it is the one value of that range that
// equals e0 - k·d modulo D, and the minor axis has moved
// (e_k - e0 + k·d) / D times. So the walk can be taken up at any step: the
// parts of a line that the canvas cannot show are never walked. After D
// steps e is e0 again and the minor axis has moved d times: the walk ends
// on the far end, with D + 1 points.
struct LineWalk {
    LineWalk(std::int64_t major, std::int64_t minor)
        : D(major), d(minor), T((major - 1) / 2), low(T + 1 - minor), e0(major - minor) {}

    std::int64_t error_at(std::int64_t k) const {
        Wide r = (Wide{e0 - low} - Wide{k} * d) % D;
        if (r < 0) r += D;
        return low + static_cast<std::int64_t>(r);
    }
    std::int64_t minor_steps(std::int64_t k) const {
        return static_cast<std::int64_t>((Wide{error_at(k)} - e0 + Wide{k} * d) / D);
    }
    // The first step after which the minor axis has moved at least m times.
    std::int64_t first_step_reaching(std::int64_t m) const {
        std::int64_t lo = 0;
        std::int64_t hi = D;
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            if (minor_steps(mid) >= m) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        return lo;
    }

    std::int64_t D, d, T, low, e0;
};

} // namespace

void draw_line_points(Canvas& canvas, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                      std::int32_t y1) {
    // Distances and the error term are exact 64-bit numbers. Taken in
    // wrapping 32-bit arithmetic, the distances of ends more than 2^31
    // apart would send the walk the wrong way, and it would then never meet
    // the far end.
    const std::int64_t dx = std::abs(std::int64_t{x1} - x0);
    const std::int64_t dy = std::abs(std::int64_t{y1} - y0);
    const bool along_x = dx >= dy;
    const LineWalk walk(std::max(dx, dy), std::min(dx, dy));
    if (walk.D == 0) {
        plot(canvas, x0, y0);
        return;
    }
    const std::int64_t a0 = along_x ? x0 : y0;
    const std::int64_t b0 = along_x ? y0 : x0;
    const std::int64_t sa = (along_x ? x1 > x0 : y1 > y0) ? 1 : -1;
    const std::int64_t sb = (along_x ? y1 > y0 : x1 > x0) ? 1 : -1;
    const Visible major = visible(along_x ? canvas.columns() : canvas.rows());
    const Visible minor = visible(along_x ? canvas.rows() : canvas.columns());

    // The steps whose points the canvas can show: along the major axis the
    // position moves by one each step...
    std::int64_t first = 0;
    std::int64_t last = walk.D;
    if (sa > 0) {
        if (major.bounded_low) first = std::max(first, major.low - a0);
        if (major.bounded_high) last = std::min(last, major.high - a0);
    } else {
        if (major.bounded_high) first = std::max(first, a0 - major.high);
        if (major.bounded_low) last = std::min(last, a0 - major.low);
    }
    // ...and along the minor axis the number of moves only grows.
    const bool near_bounded = sb > 0 ? minor.bounded_low : minor.bounded_high;
    const bool far_bounded = sb > 0 ? minor.bounded_high : minor.bounded_low;
    if (near_bounded) {
        const std::int64_t moves = sb > 0 ? minor.low - b0 : b0 - minor.high;
        if (moves > walk.d) return;
        if (moves > 0) first = std::max(first, walk.first_step_reaching(moves));
    }
    if (far_bounded) {
        const std::int64_t moves = sb > 0 ? minor.high - b0 : b0 - minor.low;
        if (moves < 0) return;
        if (moves < walk.d) last = std::min(last, walk.first_step_reaching(moves + 1) - 1);
    }
    if (first > last) return;

    std::int64_t e = walk.error_at(first);
    std::int64_t a = a0 + sa * first;
    std::int64_t b = b0 + sb * walk.minor_steps(first);
    StopCheck check;
    for (std::int64_t k = first; k <= last && !check.stop(); ++k) {
        along_x ? plot(canvas, a, b) : plot(canvas, b, a);
        const bool minor_moves = e <= walk.T;
        e -= walk.d;
        a += sa;
        if (minor_moves) {
            e += walk.D;
            b += sb;
        }
    }
}

void draw_triangle(Canvas& canvas, const Value::TriangleData& t) {
    draw_line_points(canvas, t.x1, t.y1, t.x2, t.y2);
    draw_line_points(canvas, t.x2, t.y2, t.x3, t.y3);
    draw_line_points(canvas, t.x3, t.y3, t.x1, t.y1);
}

} // namespace quillo
