// Stand-ins for the SDL functions that start and stop SDL and create and
// destroy the window and its renderer. Linked into the executable, they take
// the place of SDL's own for every call the quillo library makes; each notes
// the call, then hands it on to the function of the same name in SDL's
// shared library.
#include "sdl_call_log.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace quillo::testing {

std::vector<std::string>& sdl_calls() {
    static std::vector<std::string> calls;
    return calls;
}

SdlFaults& sdl_faults() {
    static SdlFaults faults;
    return faults;
}

} // namespace quillo::testing

namespace {

using quillo::testing::sdl_calls;
using quillo::testing::sdl_faults;

// SDL's own function of that name: the next definition after this
// executable's, in its shared library.
template <typename Function> Function next(const char* name) {
    void* symbol = dlsym(RTLD_NEXT, name);
    if (symbol == nullptr) {
        std::fprintf(stderr, "sdl_call_log: %s not found: %s\n", name, dlerror());
        std::abort();
    }
    return reinterpret_cast<Function>(symbol);
}

std::string flags(Uint32 subsystems) {
    if (subsystems == 0) return "0";
    std::string text;
    auto add = [&](Uint32 flag, const char* name) {
        if ((subsystems & flag) == 0) return;
        if (!text.empty()) text += '|';
        text += name;
        subsystems &= ~flag;
    };
    add(SDL_INIT_VIDEO, "VIDEO");
    add(SDL_INIT_EVENTS, "EVENTS");
    if (subsystems != 0) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%X", static_cast<unsigned>(subsystems));
        if (!text.empty()) text += '|';
        text += rest;
    }
    return text;
}

std::string hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, value == 0 ? "0" : "0x%X", value);
    return text;
}

// The window and renderer SDL created last.
SDL_Window* last_window = nullptr;
SDL_Renderer* last_renderer = nullptr;

std::string name(SDL_Window* window) {
    if (window == nullptr) return "NULL";
    return window == last_window ? "window" : "another window";
}

std::string name(SDL_Renderer* renderer) {
    if (renderer == nullptr) return "NULL";
    return renderer == last_renderer ? "renderer" : "another renderer";
}

void note(std::string line) {
    sdl_calls().push_back(std::move(line));
}

int refuse() {
    return SDL_SetError("Refused by the test.");
}

} // namespace

extern "C" {

int SDL_Init(Uint32 subsystems) {
    note("SDL_Init(" + flags(subsystems) + ")");
    if (sdl_faults().init) return refuse();
    static const auto real = next<decltype(&SDL_Init)>("SDL_Init");
    return real(subsystems);
}

int SDL_InitSubSystem(Uint32 subsystems) {
    note("SDL_InitSubSystem(" + flags(subsystems) + ")");
    if (sdl_faults().init_events && (subsystems & SDL_INIT_EVENTS) != 0) return refuse();
    static const auto real = next<decltype(&SDL_InitSubSystem)>("SDL_InitSubSystem");
    return real(subsystems);
}

void SDL_QuitSubSystem(Uint32 subsystems) {
    note("SDL_QuitSubSystem(" + flags(subsystems) + ")");
    static const auto real = next<decltype(&SDL_QuitSubSystem)>("SDL_QuitSubSystem");
    real(subsystems);
}

void SDL_Quit(void) {
    note("SDL_Quit()");
    static const auto real = next<decltype(&SDL_Quit)>("SDL_Quit");
    real();
}

SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 window_flags) {
    note("SDL_CreateWindow(\"" + std::string(title != nullptr ? title : "") + "\", " +
         hex(static_cast<unsigned>(x)) + ", " + hex(static_cast<unsigned>(y)) + ", " +
         std::to_string(w) + ", " + std::to_string(h) + ", " + hex(window_flags) + ")");
    static const auto real = next<decltype(&SDL_CreateWindow)>("SDL_CreateWindow");
    SDL_Window* window = real(title, x, y, w, h, window_flags);
    if (window != nullptr) last_window = window;
    return window;
}

SDL_Renderer* SDL_CreateRenderer(SDL_Window* window, int index, Uint32 renderer_flags) {
    note("SDL_CreateRenderer(" + name(window) + ", " + std::to_string(index) + ", " +
         hex(renderer_flags) + ")");
    if (sdl_faults().create_renderer) {
        refuse();
        return nullptr;
    }
    static const auto real = next<decltype(&SDL_CreateRenderer)>("SDL_CreateRenderer");
    SDL_Renderer* renderer = real(window, index, renderer_flags);
    if (renderer != nullptr) last_renderer = renderer;
    return renderer;
}

void SDL_DestroyRenderer(SDL_Renderer* renderer) {
    note("SDL_DestroyRenderer(" + name(renderer) + ")");
    static const auto real = next<decltype(&SDL_DestroyRenderer)>("SDL_DestroyRenderer");
    real(renderer);
}

void SDL_DestroyWindow(SDL_Window* window) {
    note("SDL_DestroyWindow(" + name(window) + ")");
    static const auto real = next<decltype(&SDL_DestroyWindow)>("SDL_DestroyWindow");
    real(window);
}

} // extern "C"
