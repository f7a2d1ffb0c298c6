#include "graphics/graphics_state.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <string>
#include <string_view>

#include "interpreter/console.h"

namespace quillo {

GraphicsContext::~GraphicsContext() {
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

EventPump::~EventPump() {
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

namespace {

void report(std::string_view prefix, std::string_view text) {
    std::string line(prefix);
    line += text;
    line += '\n';
    write_diagnostic(line);
}

std::string sdl_error() {
    return std::string("SDL error: ") + SDL_GetError();
}

// Which video drivers SDL may choose. Left to itself, SDL falls back to
// drivers that show nothing (an off-screen buffer) when no display can be
// reached; a window there is never seen and can never be closed, so a
// script's `while is_open()` loop would run for ever. Unless the user names
// drivers in SDL's own SDL_VIDEODRIVER variable, only the drivers that put
// a window on a screen are offered, in SDL's order; with no display,
// opening the video subsystem then fails with SDL's message.
void offer_display_drivers() {
    if (std::getenv("SDL_VIDEODRIVER") != nullptr) return;
    std::string list;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view name = SDL_GetVideoDriver(i);
        if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
        // The Wayland client library finds its display only through one of
        // these two variables, and complains on standard error when asked
        // to look without them.
        if (name == "wayland" && std::getenv("WAYLAND_DISPLAY") == nullptr &&
            std::getenv("XDG_RUNTIME_DIR") == nullptr) {
            continue;
        }
        if (!list.empty()) list += ',';
        list += name;
    }
    if (!list.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, list.c_str());
}

} // namespace

GraphicsState::GraphicsState() = default;

GraphicsState::~GraphicsState() {
    graphics_.reset();
    event_pump_.reset();
    if (graphics_started_) SDL_Quit();
}

void GraphicsState::open_window(std::uint32_t width, std::uint32_t height) {
    if (graphics_started_) return;
    // Ctrl-C keeps its usual meaning (ending a script, or interrupting the
    // input at the interactive prompt) instead of becoming a quit event
    // that only a script calling present() would ever see.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL's software renderer, presenting through the window system's
    // shared-memory images. Every pixel is then computed by the same code on
    // every machine (what the pixel tests check is what a script shows), and
    // shapes, which are mostly single points and short lines, paint several
    // times faster than through OpenGL, above all on displays without a
    // graphics card. SDL's own SDL_RENDER_DRIVER and
    // SDL_FRAMEBUFFER_ACCELERATION variables still take precedence.
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(0) != 0) {
        report("Failed to initialize SDL2: ", SDL_GetError());
        return;
    }
    offer_display_drivers();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        report("Failed to get video subsystem: ", SDL_GetError());
        SDL_Quit();
        return;
    }
    // From here on a failure releases what this attempt made, in reverse
    // order, and shuts SDL down again; a later call starts afresh.
    auto fail = [](std::string_view prefix, const std::string& text) {
        report(prefix, text);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_Quit();
    };
    constexpr std::uint32_t kTooHigh = 2147483648u;
    if (width >= kTooHigh) {
        fail("Failed to create window: ",
             "Window width (" + std::to_string(width) + ") is too high.");
        return;
    }
    if (height >= kTooHigh) {
        fail("Failed to create window: ",
             "Window height (" + std::to_string(height) + ") is too high.");
        return;
    }
    // A width or height of 0 opens a window one pixel wide or high: SDL
    // itself does that on some systems and refuses on others, so the
    // language fixes it.
    SDL_Window* window = SDL_CreateWindow(
        "Quillo", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
        width == 0 ? 1 : static_cast<int>(width), height == 0 ? 1 : static_cast<int>(height), 0);
    if (window == nullptr) {
        fail("Failed to create window: ", sdl_error());
        return;
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer == nullptr) {
        const std::string text = sdl_error();
        SDL_DestroyWindow(window);
        fail("Failed to create canvas: ", text);
        return;
    }
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        const std::string text = SDL_GetError();
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        fail("Failed to create event pump: ", text);
        return;
    }
    graphics_.emplace(window, renderer);
    event_pump_.emplace();
    graphics_started_ = true;
    window_open_ = true;
    canvas_ = &graphics_->canvas();
}

bool GraphicsState::window_size(std::uint32_t& width, std::uint32_t& height) const {
    if (!graphics_) return false;
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(graphics_->window(), &w, &h);
    width = static_cast<std::uint32_t>(w);
    height = static_cast<std::uint32_t>(h);
    return true;
}

void GraphicsState::present() {
    if (graphics_) {
        pacer_.wait_for_frame();
        SDL_RenderPresent(graphics_->renderer());
    }
    if (!event_pump_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
            window_open_ = false;
        }
    }
}

} // namespace quillo
