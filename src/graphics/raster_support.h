// What the rasterisers share: 32-bit wrapping of coordinate sums, clamped
// painting calls, the canvas's visible area, and the check for a stopped run.
#pragma once

#include <algorithm>
#include <cstdint>

#include "graphics/canvas.h"
#include "graphics/raster.h"
#include "interpreter/stack_guard.h"

namespace quillo::raster_detail {

// Products of coordinates, step counts and distances need more than 64
// bits.
__extension__ typedef __int128 Wide;

// Coordinate sums wrap around in 32 bits, as the language defines.
constexpr std::int32_t wrap(std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

inline void plot(Canvas& canvas, std::int64_t x, std::int64_t y) {
    canvas.point(clamp_coordinate(wrap(x)), clamp_coordinate(wrap(y)));
}

inline void row_line(Canvas& canvas, std::int64_t x0, std::int64_t x1, std::int64_t y) {
    const std::int32_t row = clamp_coordinate(wrap(y));
    canvas.line(clamp_coordinate(wrap(x0)), row, clamp_coordinate(wrap(x1)), row);
}

// A canvas span as the coordinates it shows. Where the span lies strictly
// inside the clamping limits, a clamped coordinate is shown exactly when the
// unclamped one is (clamping keeps order); a span that reaches a limit
// shows whatever is clamped onto it, so it counts as unbounded on that side.
struct Visible {
    bool bounded_low, bounded_high;
    std::int64_t low, high;
};

inline Visible visible(Span span) {
    return {span.first > kCoordinateMin, span.last < kCoordinateMax, span.first, span.last};
}

// Rows [first, last] narrowed to those the canvas shows.
inline void narrow_rows(const Canvas& canvas, std::int64_t& first, std::int64_t& last) {
    const Visible rows = visible(canvas.rows());
    if (rows.bounded_low) first = std::max(first, rows.low);
    if (rows.bounded_high) last = std::min(last, rows.high);
}

// Whether some sum in [low, high] (a range shorter than 2^32), wrapped to
// 32 bits, may be a coordinate the span shows.
inline bool may_show(Span span, std::int64_t low, std::int64_t high) {
    const Visible v = visible(span);
    if (!v.bounded_low || !v.bounded_high) return true;
    constexpr std::int64_t kTurn = std::int64_t{1} << 32;
    for (const std::int64_t shift : {-kTurn, std::int64_t{0}, kTurn}) {
        if (low <= v.high + shift && high >= v.low + shift) return true;
    }
    return false;
}

// Spends one block of the walk budget (see set_walk_budget), stopping the
// run when it is gone.
void spend_walk_block();

// A huge shape takes long to paint. Every so many steps a walk spends a
// block of the walk budget and looks whether the run is being stopped (an
// interruption at the interactive prompt, say), and then ends early.
class StopCheck {
  public:
    bool stop() {
        if ((++steps_ & 0xFFFF) != 0) return false;
        spend_walk_block();
        return must_stop();
    }

  private:
    std::uint32_t steps_ = 0;
};

} // namespace quillo::raster_detail
