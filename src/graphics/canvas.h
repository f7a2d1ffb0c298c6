// The drawing surface the shape rasterisers paint on: colour, clear, single
// points, lines and rectangles. The window's renderer implements it
// (sdl_canvas.h); tests implement it to record every call.
#pragma once

#include <SDL2/SDL_rect.h>

#include <cstdint>
#include <limits>
#include <string>

namespace quillo {

// An inclusive range of columns or rows.
struct Span {
    std::int64_t first = std::numeric_limits<std::int64_t>::min();
    std::int64_t last = std::numeric_limits<std::int64_t>::max();
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Sets the colour of the following painting calls (opaque). False when
    // the canvas refuses; error() then says why.
    virtual bool set_color(std::uint8_t r, std::uint8_t g, std::uint8_t b) = 0;
    // Paints the whole canvas in the current colour. False when the canvas
    // refuses; error() then says why.
    virtual bool clear() = 0;

    // A failure of one of these is ignored: painting goes on.
    virtual void point(std::int32_t x, std::int32_t y) = 0;
    virtual void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) = 0;
    virtual void rect(const SDL_Rect& r) = 0;
    virtual void fill_rect(const SDL_Rect& r) = 0;

    // The columns and rows the canvas can show. Painting calls wholly
    // outside them change nothing, so rasterisers may leave them out.
    virtual Span columns() const { return {}; }
    virtual Span rows() const { return {}; }
    virtual std::string error() const = 0;
};

} // namespace quillo
