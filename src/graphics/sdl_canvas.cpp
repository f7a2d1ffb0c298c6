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

void SdlCanvas::rect(const SDL_Rect& r) {
    SDL_RenderDrawRect(renderer_, &r);
}

void SdlCanvas::fill_rect(const SDL_Rect& r) {
    SDL_RenderFillRect(renderer_, &r);
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
