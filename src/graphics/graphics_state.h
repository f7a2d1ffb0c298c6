// The graphics state of an interpreter: the window with its renderer, the
// event source, and the two flags. Nothing here touches SDL until the
// `window` built-in opens the window.
#pragma once

#include <cstdint>
#include <optional>

#include "graphics/canvas.h"
#include "graphics/frame_pacing.h"
#include "graphics/graphics_context.h"

namespace quillo {

class GraphicsState {
  public:
    GraphicsState();
    // Releases the renderer, then the window, then the video and the event
    // subsystems, and shuts SDL down.
    ~GraphicsState();
    GraphicsState(const GraphicsState&) = delete;
    GraphicsState& operator=(const GraphicsState&) = delete;

    // Opens the window of the given size once. Only the first success
    // counts; a failure is reported on standard error, releases whatever
    // the attempt created, and leaves the state as it was.
    void open_window(std::uint32_t width, std::uint32_t height);

    // True from a successful open_window until present() sees a quit
    // request or the Escape key.
    bool is_open() const { return window_open_; }
    // The window's current size as SDL reports it; false without a window.
    bool window_size(std::uint32_t& width, std::uint32_t& height) const;
    // Waits until the frame is due (see frame_pacing.h), shows it, then
    // takes every pending event. Without a window nothing waits.
    void present();

    // Where drawing goes, or nullptr when there is no window.
    Canvas* canvas() const { return canvas_; }
    // Draws into the given canvas instead, with no window (for tests of the
    // painting built-ins without SDL). The canvas must outlive its use.
    void attach_canvas(Canvas* canvas) { canvas_ = canvas; }

  private:
    // Declared in the reverse of their release order.
    std::optional<EventPump> event_pump_;
    std::optional<GraphicsContext> graphics_;
    bool graphics_started_ = false;
    bool window_open_ = false;
    Canvas* canvas_ = nullptr;
    FramePacer pacer_;
};

} // namespace quillo
