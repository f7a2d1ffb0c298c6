#include "graphics/sdl_canvas.h"

#include <SDL2/SDL_error.h>

#include <algorithm>

namespace quillo {

bool SdlCanvas::set_color(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    // Every shape and every clear starts by setting the colour: the moment
    // to learn the target's current size (a window manager may have
    // resized the window).
    if (SDL_GetRendererOutputSize(renderer_, &width_, &height_) != 0) {
        // Unknown size: nothing is left out.
        width_ = INT32_MAX;
        height_ = INT32_MAX;
    }
    return SDL_SetRenderDrawColor(renderer_, r, g, b, 255) == 0;
}

bool SdlCanvas::clear() {
    return SDL_RenderClear(renderer_) == 0;
}

void SdlCanvas::point(std::int32_t x, std::int32_t y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    SDL_RenderDrawPoint(renderer_, x, y);
}

void SdlCanvas::line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    if (std::max(x0, x1) < 0 || std::max(y0, y1) < 0 || std::min(x0, x1) >= width_ ||
        std::min(y0, y1) >= height_) {
        return;
    }
    SDL_RenderDrawLine(renderer_, x0, y0, x1, y1);
}

namespace {

// The part of `r` inside the box [low, high) in both directions; false when
// nothing is left. Worked out in 64 bits, as x + w may pass 2^31.
bool clip(const SDL_Rect& r, std::int64_t low, std::int64_t high_x, std::int64_t high_y,
          SDL_Rect& out) {
    const std::int64_t x0 = std::max<std::int64_t>(r.x, low);
    const std::int64_t y0 = std::max<std::int64_t>(r.y, low);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{r.x} + r.w, high_x);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{r.y} + r.h, high_y);
    if (x0 >= x1 || y0 >= y1) return false;
    out = {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0),
           static_cast<int>(y1 - y0)};
    return true;
}

// Where the target's size is unknown, rectangles are still cut to a box far
// larger than any window, within which SDL's float coordinates are exact.
constexpr std::int64_t kUnknownExtent = std::int64_t{1} << 24;

} // namespace

// SDL works rectangles out in single-precision floats, and one whose far
// edge lies near 2^31 crashes its software renderer. So rectangles are cut
// to the target before SDL sees them, which paints the same pixels.
void SdlCanvas::rect(const SDL_Rect& r) {
    // An outline is cut one pixel outside the target: the sides that fall
    // on the target stay where they are, and a side made by the cut lies on
    // that hidden margin.
    const std::int64_t w = width_ == INT32_MAX ? kUnknownExtent : width_;
    const std::int64_t h = height_ == INT32_MAX ? kUnknownExtent : height_;
    SDL_Rect cut;
    if (clip(r, -1, w + 1, h + 1, cut)) SDL_RenderDrawRect(renderer_, &cut);
}

void SdlCanvas::fill_rect(const SDL_Rect& r) {
    const std::int64_t w = width_ == INT32_MAX ? kUnknownExtent : width_;
    const std::int64_t h = height_ == INT32_MAX ? kUnknownExtent : height_;
    SDL_Rect cut;
    if (clip(r, 0, w, h, cut)) SDL_RenderFillRect(renderer_, &cut);
}

Span SdlCanvas::columns() const {
    if (width_ == INT32_MAX) return {};
    return {0, std::int64_t{width_} - 1};
}

Span SdlCanvas::rows() const {
    if (height_ == INT32_MAX) return {};
    return {0, std::int64_t{height_} - 1};
}

std::string SdlCanvas::error() const {
    return SDL_GetError();
}

} // namespace quillo
