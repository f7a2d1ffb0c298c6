// The SDL calls that open and close a window, as the stand-ins in
// sdl_call_log.cpp see them: a log of every call, and failures the tests can
// ask for where SDL itself cannot be made to fail.
#pragma once

#include <string>
#include <vector>

namespace quillo::testing {

// One line per call since the last clear, in order, e.g.
// "SDL_InitSubSystem(VIDEO)" or "SDL_CreateRenderer(window, -1, 0)".
// Windows and renderers are named "window" and "renderer" when they are the
// last ones SDL created, so a log reads the same from run to run.
std::vector<std::string>& sdl_calls();

// Calls to refuse: the stand-in logs the call, sets SDL's error to
// "Refused by the test." and returns failure without calling SDL.
struct SdlFaults {
    bool init = false;            // SDL_Init
    bool init_events = false;     // SDL_InitSubSystem(SDL_INIT_EVENTS)
    bool create_renderer = false; // SDL_CreateRenderer
};
SdlFaults& sdl_faults();

} // namespace quillo::testing
