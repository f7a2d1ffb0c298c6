// Circles: the midpoint walk, by points for outlines and by lines for
// discs.
#include <cmath>
#include <cstdint>

#include "graphics/raster.h"
#include "graphics/raster_support.h"

namespace quillo {

using namespace raster_detail;

namespace {

// The walk's error term at the start of a step follows from its position:
// err = x² − 2x + y² + 2y − r² + 2r. (It is 0 at the start, x = r and
// y = 0, and every change of x or y changes both sides alike.)
std::int64_t error_at(std::int64_t r, std::int64_t x, std::int64_t y) {
    return static_cast<std::int64_t>(Wide{x} * x - 2 * x + Wide{y} * y + 2 * y - Wide{r} * r +
                                     2 * r);
}

// Where the walk is at row y, if that is well inside its first octant
// (x at least y + 3); otherwise -1. There the circle's slope is below one,
// so the walk, which moves x at most once per step, keeps up with it: x is
// the largest integer that the walk's test for moving x, 2·(err − x) + 1 > 0
// one step earlier, left in place, i.e. the largest with
// 2x² − 6x + 2y² + 4y − 2r² + 4r + 1 ≤ 0.
std::int64_t walk_x_at(std::int64_t r, std::int64_t y) {
    const Wide c = 2 * Wide{y} * y + 4 * Wide{y} - 2 * Wide{r} * r + 4 * Wide{r} + 1;
    auto stays = [c](std::int64_t x) { return 2 * Wide{x} * x - 6 * Wide{x} + c <= 0; };
    const long double discriminant = 36.0L - 8.0L * static_cast<long double>(c);
    if (discriminant < 0) return -1;
    // The root estimated in floating point, then made exact.
    auto x = static_cast<std::int64_t>((6.0L + std::sqrt(discriminant)) / 4.0L);
    while (stays(x + 1))
        ++x;
    while (x >= y + 3 && !stays(x))
        --x;
    return x >= y + 3 ? x : -1;
}

// Steps are looked at in blocks of this many rows: a block whose points all
// fall outside the canvas is jumped over.
constexpr std::int64_t kBlock = 1024;
// Hidden blocks are merged up to this many rows, which keeps every range
// a block's test looks at shorter than 2^32.
constexpr std::int64_t kLargestBlock = std::int64_t{1} << 30;

// The midpoint walk shared by draw_circle and fill_circle: step(x, y) is
// called for every position of the walk, in order, except where
// hidden(x_low, x_high, y_low, y_high) says that no step with x and y in
// those ranges can change a pixel. The error term is kept in 64 bits, where
// it cannot overflow for any 32-bit radius.
template <typename Step, typename Hidden>
void walk_circle(std::int32_t r, Step step, Hidden hidden) {
    if (r < 0) return;
    std::int64_t x = r;
    std::int64_t y = 0;
    std::int64_t err = 0;
    StopCheck check;
    while (x >= y && !check.stop()) {
        if (y % kBlock == 0) {
            // x only falls, so within a block it stays in [next_x, x].
            auto hidden_up_to = [&](std::int64_t next_y, std::int64_t& next_x) {
                next_x = walk_x_at(r, next_y);
                return next_x >= 0 && hidden(next_x, x, y, next_y - 1);
            };
            std::int64_t next_x = 0;
            if (hidden_up_to(y + kBlock, next_x)) {
                // A hidden block may be the start of a larger hidden one:
                // the block doubles while it stays aligned and hidden, so a
                // huge circle's hidden stretches cost a few tests each,
                // not one per block. (A larger block covers the smaller
                // one's ranges, so it can only be hidden if that one is.)
                std::int64_t size = kBlock;
                for (std::int64_t larger = 2 * kBlock; larger <= kLargestBlock && y % larger == 0;
                     larger *= 2) {
                    std::int64_t larger_x = 0;
                    if (!hidden_up_to(y + larger, larger_x)) break;
                    size = larger;
                    next_x = larger_x;
                }
                x = next_x;
                y += size;
                err = error_at(r, x, y);
                continue;
            }
        }
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

void draw_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r) {
    const Span columns = canvas.columns();
    const Span rows = canvas.rows();
    // One of a step's eight points: column c + a·u, row d + b·v, with u and v
    // in the given ranges.
    auto shows = [&](std::int64_t c, int a, std::int64_t ulo, std::int64_t uhi, std::int64_t d,
                     int b, std::int64_t vlo, std::int64_t vhi) {
        const bool column =
            a > 0 ? may_show(columns, c + ulo, c + uhi) : may_show(columns, c - uhi, c - ulo);
        const bool row =
            b > 0 ? may_show(rows, d + vlo, d + vhi) : may_show(rows, d - vhi, d - vlo);
        return column && row;
    };
    walk_circle(
        r,
        [&](std::int64_t x, std::int64_t y) {
            plot(canvas, cx + x, cy + y);
            plot(canvas, cx - x, cy + y);
            plot(canvas, cx + x, cy - y);
            plot(canvas, cx - x, cy - y);
            plot(canvas, cx + y, cy + x);
            plot(canvas, cx - y, cy + x);
            plot(canvas, cx + y, cy - x);
            plot(canvas, cx - y, cy - x);
        },
        [&](std::int64_t xlo, std::int64_t xhi, std::int64_t ylo, std::int64_t yhi) {
            for (const int a : {1, -1}) {
                for (const int b : {1, -1}) {
                    if (shows(cx, a, xlo, xhi, cy, b, ylo, yhi)) return false;
                    if (shows(cx, a, ylo, yhi, cy, b, xlo, xhi)) return false;
                }
            }
            return true;
        });
}

void fill_circle(Canvas& canvas, std::int32_t cx, std::int32_t cy, std::int32_t r) {
    const Span rows = canvas.rows();
    walk_circle(
        r,
        [&](std::int64_t x, std::int64_t y) {
            row_line(canvas, cx - x, cx + x, cy + y);
            row_line(canvas, cx - y, cx + y, cy + x);
            row_line(canvas, cx - x, cx + x, cy - y);
            row_line(canvas, cx - y, cx + y, cy - x);
        },
        // A line can only show on a row the canvas shows.
        [&](std::int64_t xlo, std::int64_t xhi, std::int64_t ylo, std::int64_t yhi) {
            return !may_show(rows, cy + ylo, cy + yhi) && !may_show(rows, cy - yhi, cy - ylo) &&
                   !may_show(rows, cy + xlo, cy + xhi) && !may_show(rows, cy - xhi, cy - xlo);
        });
}

} // namespace quillo
