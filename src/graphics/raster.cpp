#include "graphics/raster.h"

#include "graphics/raster_support.h"

#include <algorithm>
#include <cmath>

namespace quillo {

SDL_Rect to_sdl_rect(const Value::RectData& rect) {
    auto size = [](std::uint32_t v) {
        if (v == 0) return 1;
        return static_cast<int>(std::min<std::uint32_t>(v, kCoordinateMax));
    };
    return {clamp_coordinate(rect.x), clamp_coordinate(rect.y), size(rect.width),
            size(rect.height)};
}

std::int32_t to_int32(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return INT32_MAX;
    if (v <= -2147483648.0f) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

namespace {
// Practically endless unless a harness sets a budget.
thread_local std::uint64_t walk_blocks_left = UINT64_MAX;
} // namespace

void set_walk_budget(std::uint64_t blocks) {
    walk_blocks_left = blocks == 0 ? 1 : blocks;
}

void raster_detail::spend_walk_block() {
    if (walk_blocks_left != 0 && --walk_blocks_left == 0) stop_run(kStepBudgetMessage);
}

} // namespace quillo
