// The canvas of an SDL renderer: the window's, or a software renderer on a
// surface.
#pragma once

#include <SDL2/SDL_render.h>

#include "graphics/canvas.h"

namespace quillo {

class SdlCanvas final : public Canvas {
  public:
    // The renderer stays its owner's; it must outlive the canvas.
    explicit SdlCanvas(SDL_Renderer* renderer) : renderer_(renderer) {}

    bool set_color(std::uint8_t r, std::uint8_t g, std::uint8_t b) override;
    bool clear() override;
    void point(std::int32_t x, std::int32_t y) override;
    void line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override;
    void rect(const SDL_Rect& r) override;
    void fill_rect(const SDL_Rect& r) override;
    Span columns() const override;
    Span rows() const override;
    std::string error() const override;

  private:
    SDL_Renderer* renderer_;
    // The size of the rendering target, read again at the start of every
    // shape (see set_color). Points and lines wholly outside it cannot
    // change a pixel and are not handed to SDL, so a huge shape costs no
    // queued drawing commands for its hidden parts.
    int width_ = INT32_MAX;
    int height_ = INT32_MAX;
};

} // namespace quillo
