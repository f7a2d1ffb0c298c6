// The SDL calls behind opening and closing the window, in order, as the
// stand-ins of sdl_call_log.cpp log them: what a successful open creates,
// the order it is released in, and what each failure releases. Built as an
// executable of its own, since the stand-ins replace SDL's functions for
// everything linked with them.
#include <SDL2/SDL.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/graphics_state.h"
#include "scoped_env.h"
#include "sdl_call_log.h"

namespace quillo {
namespace {

using Calls = std::vector<std::string>;
using quillo::testing::sdl_calls;
using quillo::testing::sdl_faults;

const std::string kInit = "SDL_Init(0)";
const std::string kInitVideo = "SDL_InitSubSystem(VIDEO)";
const std::string kInitEvents = "SDL_InitSubSystem(EVENTS)";
const std::string kCreateRenderer = "SDL_CreateRenderer(window, -1, 0)";
const std::string kDestroyRenderer = "SDL_DestroyRenderer(renderer)";
const std::string kDestroyWindow = "SDL_DestroyWindow(window)";
const std::string kQuitVideo = "SDL_QuitSubSystem(VIDEO)";
const std::string kQuitEvents = "SDL_QuitSubSystem(EVENTS)";
const std::string kQuit = "SDL_Quit()";

std::string create_window(int width, int height) {
    return "SDL_CreateWindow(\"Quillo\", 0x1FFF0000, 0x1FFF0000, " + std::to_string(width) + ", " +
           std::to_string(height) + ", 0)";
}

Calls opened(int width, int height) {
    return {kInit, kInitVideo, create_window(width, height), kCreateRenderer, kInitEvents};
}

const Calls kReleased = {kDestroyRenderer, kDestroyWindow, kQuitVideo, kQuitEvents, kQuit};

// The calls logged since the last look, and a fresh log.
Calls take_calls() {
    Calls calls;
    calls.swap(sdl_calls());
    return calls;
}

class SdlCalls : public ::testing::Test {
  protected:
    void SetUp() override {
        video_.emplace("SDL_VIDEODRIVER", "offscreen");
        render_.emplace("SDL_RENDER_DRIVER", "software");
        sdl_faults() = {};
        sdl_calls().clear();
        ASSERT_EQ(SDL_WasInit(0), 0u);
    }

    void TearDown() override {
        sdl_faults() = {};
        EXPECT_EQ(SDL_WasInit(0), 0u) << "SDL was left running";
        render_.reset();
        video_.reset();
    }

    // What open_window reports on standard error.
    static std::string open(GraphicsState& state, std::uint32_t width, std::uint32_t height) {
        ::testing::internal::CaptureStderr();
        state.open_window(width, height);
        return ::testing::internal::GetCapturedStderr();
    }

    std::optional<quillo::testing::ScopedEnv> video_;
    std::optional<quillo::testing::ScopedEnv> render_;
};

TEST_F(SdlCalls, UnusedStateCallsNothing) {
    {
        GraphicsState state;
        state.present();
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, OpenThenRelease) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48), "");
        ASSERT_TRUE(state.is_open());
        EXPECT_EQ(take_calls(), opened(64, 48));
    }
    EXPECT_EQ(take_calls(), kReleased);
}

TEST_F(SdlCalls, ZeroSizeAsksForOnePixel) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 0, 0), "");
        EXPECT_EQ(take_calls(), opened(1, 1));
    }
    EXPECT_EQ(take_calls(), kReleased);
}

TEST_F(SdlCalls, LargestSizeSdlTakes) {
    GraphicsState state;
    EXPECT_EQ(open(state, 16384, 1), "");
    EXPECT_EQ(take_calls(), opened(16384, 1));
}

TEST_F(SdlCalls, OnlyTheFirstOpenCalls) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48), "");
        take_calls();
        EXPECT_EQ(open(state, 100, 100), "");
        state.present();
        EXPECT_EQ(take_calls(), Calls{});
    }
    EXPECT_EQ(take_calls(), kReleased);
}

TEST_F(SdlCalls, ReleaseAfterEscape) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48), "");
        take_calls();
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = SDLK_ESCAPE;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
        state.present();
        ASSERT_FALSE(state.is_open());
        EXPECT_EQ(open(state, 64, 48), "");
        EXPECT_EQ(take_calls(), Calls{}) << "neither closing nor a later open calls";
    }
    EXPECT_EQ(take_calls(), kReleased);
}

TEST_F(SdlCalls, TooWideReleasesVideoAndSdl) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 2147483648u, 48),
                  "Failed to create window: Window width (2147483648) is too high.\n");
        EXPECT_EQ(take_calls(), (Calls{kInit, kInitVideo, kQuitVideo, kQuit}));
        EXPECT_EQ(SDL_WasInit(0), 0u);
    }
    EXPECT_EQ(take_calls(), Calls{}) << "nothing is left to release";
}

TEST_F(SdlCalls, TooHighReleasesVideoAndSdl) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 2147483648u),
                  "Failed to create window: Window height (2147483648) is too high.\n");
        EXPECT_EQ(take_calls(), (Calls{kInit, kInitVideo, kQuitVideo, kQuit}));
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, WindowRefusedBySdl) {
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 20000, 48),
                  "Failed to create window: SDL error: Window is too large.\n");
        EXPECT_EQ(take_calls(),
                  (Calls{kInit, kInitVideo, create_window(20000, 48), kQuitVideo, kQuit}));
        EXPECT_EQ(SDL_WasInit(0), 0u);
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, RendererFailureDestroysTheWindow) {
    // SDL falls back on any renderer that works when the one named in
    // SDL_RENDER_DRIVER is missing, and the software renderer always works
    // here: the stand-in refuses instead.
    sdl_faults().create_renderer = true;
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48),
                  "Failed to create canvas: SDL error: Refused by the test.\n");
        EXPECT_EQ(take_calls(), (Calls{kInit, kInitVideo, create_window(64, 48), kCreateRenderer,
                                       kDestroyWindow, kQuitVideo, kQuit}));
        EXPECT_EQ(SDL_WasInit(0), 0u);
        EXPECT_EQ(state.canvas(), nullptr);
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, EventFailureDestroysRendererAndWindow) {
    sdl_faults().init_events = true;
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48), "Failed to create event pump: Refused by the test.\n");
        EXPECT_EQ(take_calls(),
                  (Calls{kInit, kInitVideo, create_window(64, 48), kCreateRenderer, kInitEvents,
                         kDestroyRenderer, kDestroyWindow, kQuitVideo, kQuit}));
        EXPECT_EQ(SDL_WasInit(0), 0u);
        EXPECT_EQ(state.canvas(), nullptr);
        EXPECT_FALSE(state.is_open());
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, InitFailureCallsNothingMore) {
    sdl_faults().init = true;
    {
        GraphicsState state;
        EXPECT_EQ(open(state, 64, 48), "Failed to initialize SDL2: Refused by the test.\n");
        EXPECT_EQ(take_calls(), Calls{kInit});
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, VideoFailureQuitsSdl) {
    quillo::testing::ScopedEnv driver("SDL_VIDEODRIVER", "nonesuch");
    {
        GraphicsState state;
        const std::string error = open(state, 64, 48);
        EXPECT_EQ(error.rfind("Failed to get video subsystem: ", 0), 0u) << error;
        EXPECT_EQ(take_calls(), (Calls{kInit, kInitVideo, kQuit}));
        EXPECT_EQ(SDL_WasInit(0), 0u);
    }
    EXPECT_EQ(take_calls(), Calls{});
}

TEST_F(SdlCalls, OpenAfterFailuresStartsAfresh) {
    {
        GraphicsState state;
        sdl_faults().create_renderer = true;
        EXPECT_NE(open(state, 64, 48), "");
        sdl_faults().create_renderer = false;
        EXPECT_NE(open(state, 20000, 48), "");
        take_calls();
        EXPECT_EQ(open(state, 64, 48), "");
        EXPECT_EQ(take_calls(), opened(64, 48));
        EXPECT_TRUE(state.is_open());
    }
    EXPECT_EQ(take_calls(), kReleased);
}

} // namespace
} // namespace quillo
