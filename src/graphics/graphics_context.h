// The window with its renderer, and the event source beside it: what a
// successful `window` call creates.
#pragma once

#include <SDL2/SDL_render.h>
#include <SDL2/SDL_video.h>

#include "graphics/sdl_canvas.h"

namespace quillo {

// Owns the window and its renderer, and the video subsystem they were made
// with. Releasing it destroys the renderer, then the window, then shuts the
// video subsystem down.
class GraphicsContext {
  public:
    GraphicsContext(SDL_Window* window, SDL_Renderer* renderer) noexcept
        : window_(window), renderer_(renderer), canvas_(renderer) {}
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    SDL_Window* window() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }
    SdlCanvas& canvas() { return canvas_; }

  private:
    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SdlCanvas canvas_;
};

// Owns the started event subsystem, from which present() takes events.
class EventPump {
  public:
    EventPump() noexcept = default;
    ~EventPump();
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;
};

} // namespace quillo
