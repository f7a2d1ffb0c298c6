// The graphics state with a real window: SDL's off-screen video driver and
// its software renderer, so no display is needed.
#include "graphics/graphics_state.h"

#include <SDL2/SDL.h>

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "recording_canvas.h"

#include "scoped_env.h"

namespace quillo {
namespace {

class WindowState : public ::testing::Test {
  protected:
    void SetUp() override {
        // The user's own choice of video driver is honoured, so naming the
        // off-screen one here keeps every window of these tests off any
        // screen.
        video_.emplace("SDL_VIDEODRIVER", "offscreen");
        render_.emplace("SDL_RENDER_DRIVER", "software");
        ASSERT_EQ(SDL_WasInit(0), 0u) << "SDL was left running before this test";
    }

    void TearDown() override {
        EXPECT_EQ(SDL_WasInit(0), 0u) << "SDL was left running";
        render_.reset();
        video_.reset();
    }

    // Opens the window, expecting nothing on standard error.
    static void open_quietly(GraphicsState& state, std::uint32_t width, std::uint32_t height) {
        ::testing::internal::CaptureStderr();
        state.open_window(width, height);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }

    // What open_window reports on standard error.
    static std::string open_with_error(GraphicsState& state, std::uint32_t width,
                                       std::uint32_t height) {
        ::testing::internal::CaptureStderr();
        state.open_window(width, height);
        return ::testing::internal::GetCapturedStderr();
    }

    static void expect_closed_and_released(const GraphicsState& state) {
        EXPECT_FALSE(state.is_open());
        EXPECT_EQ(state.canvas(), nullptr);
        std::uint32_t width = 7;
        std::uint32_t height = 9;
        EXPECT_FALSE(state.window_size(width, height));
        EXPECT_EQ(width, 7u);
        EXPECT_EQ(height, 9u);
        EXPECT_EQ(SDL_WasInit(0), 0u) << "an SDL subsystem is still running";
    }

    static void expect_size(const GraphicsState& state, std::uint32_t width, std::uint32_t height) {
        std::uint32_t w = 0;
        std::uint32_t h = 0;
        ASSERT_TRUE(state.window_size(w, h));
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, height);
    }

    // The state's window has no handle of its own to ask for: SDL numbers
    // windows from 1, and the tests have just the one.
    static SDL_Renderer* window_renderer() {
        for (Uint32 id = 1; id < 1000; ++id) {
            if (SDL_Window* window = SDL_GetWindowFromID(id)) return SDL_GetRenderer(window);
        }
        return nullptr;
    }

    // The pixel at (x, y) of the window's frame, as ARGB8888.
    static Uint32 pixel_at(int x, int y) {
        SDL_Renderer* renderer = window_renderer();
        EXPECT_NE(renderer, nullptr);
        if (renderer == nullptr) return 0;
        const SDL_Rect one{x, y, 1, 1};
        Uint32 pixel = 0;
        EXPECT_EQ(SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4), 0)
            << SDL_GetError();
        return pixel;
    }

    static void push_key(Uint32 type, SDL_Keycode key) {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    static void push_type(Uint32 type) {
        SDL_Event event{};
        event.type = type;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

  private:
    std::optional<quillo::testing::ScopedEnv> video_;
    std::optional<quillo::testing::ScopedEnv> render_;
};

TEST_F(WindowState, FreshStateTouchesNothing) {
    GraphicsState state;
    expect_closed_and_released(state);
    state.present();
    expect_closed_and_released(state);
}

TEST_F(WindowState, OpenWindow) {
    {
        GraphicsState state;
        open_quietly(state, 64, 48);
        EXPECT_TRUE(state.is_open());
        expect_size(state, 64, 48);
        EXPECT_NE(state.canvas(), nullptr);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO | SDL_INIT_EVENTS), SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        state.present();
        EXPECT_TRUE(state.is_open()) << "no event asked to close";
    }
    EXPECT_EQ(SDL_WasInit(0), 0u);
}

TEST_F(WindowState, SecondOpenChangesNothing) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    Canvas* canvas = state.canvas();
    open_quietly(state, 100, 100);
    EXPECT_TRUE(state.is_open());
    expect_size(state, 64, 48);
    EXPECT_EQ(state.canvas(), canvas);
}

TEST_F(WindowState, ZeroSizeIsOnePixel) {
    {
        GraphicsState state;
        open_quietly(state, 0, 0);
        EXPECT_TRUE(state.is_open());
        expect_size(state, 1, 1);
    }
    {
        GraphicsState state;
        open_quietly(state, 0, 5);
        expect_size(state, 1, 5);
    }
    {
        GraphicsState state;
        open_quietly(state, 7, 0);
        expect_size(state, 7, 1);
    }
}

TEST_F(WindowState, TooWide) {
    GraphicsState state;
    EXPECT_EQ(open_with_error(state, 2147483648u, 10),
              "Failed to create window: Window width (2147483648) is too high.\n");
    expect_closed_and_released(state);
    EXPECT_EQ(open_with_error(state, 4294967295u, 10),
              "Failed to create window: Window width (4294967295) is too high.\n");
    expect_closed_and_released(state);
}

TEST_F(WindowState, TooHigh) {
    GraphicsState state;
    EXPECT_EQ(open_with_error(state, 10, 2147483648u),
              "Failed to create window: Window height (2147483648) is too high.\n");
    expect_closed_and_released(state);
}

TEST_F(WindowState, WidthIsCheckedFirst) {
    GraphicsState state;
    EXPECT_EQ(open_with_error(state, 3000000000u, 4000000000u),
              "Failed to create window: Window width (3000000000) is too high.\n");
    expect_closed_and_released(state);
}

TEST_F(WindowState, SizeThatSdlRefuses) {
    // Below 2^31, so it reaches SDL, which takes nothing over 16384.
    GraphicsState state;
    EXPECT_EQ(open_with_error(state, 2147483647u, 10),
              "Failed to create window: SDL error: Window is too large.\n");
    expect_closed_and_released(state);
    EXPECT_EQ(open_with_error(state, 10, 16385),
              "Failed to create window: SDL error: Window is too large.\n");
    expect_closed_and_released(state);
}

TEST_F(WindowState, OpenSucceedsAfterAFailure) {
    GraphicsState state;
    EXPECT_NE(open_with_error(state, 2147483648u, 10), "");
    EXPECT_NE(open_with_error(state, 20000, 10), "");
    open_quietly(state, 64, 48);
    EXPECT_TRUE(state.is_open());
    expect_size(state, 64, 48);
    EXPECT_NE(state.canvas(), nullptr);
}

TEST_F(WindowState, EscapeKeyCloses) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    push_key(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_TRUE(state.is_open()) << "only present() takes events";
    state.present();
    EXPECT_FALSE(state.is_open());
}

TEST_F(WindowState, OtherEventsDoNotClose) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    push_key(SDL_KEYDOWN, SDLK_a);
    push_key(SDL_KEYDOWN, SDLK_q);
    push_key(SDL_KEYDOWN, SDLK_RETURN);
    push_key(SDL_KEYUP, SDLK_ESCAPE);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 10;
    motion.motion.y = 10;
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    push_type(SDL_MOUSEBUTTONDOWN);
    state.present();
    EXPECT_TRUE(state.is_open());
    state.present();
    EXPECT_TRUE(state.is_open());
}

TEST_F(WindowState, EscapeAmongOtherEventsCloses) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    push_key(SDL_KEYDOWN, SDLK_a);
    push_key(SDL_KEYDOWN, SDLK_ESCAPE);
    push_key(SDL_KEYUP, SDLK_ESCAPE);
    push_key(SDL_KEYDOWN, SDLK_b);
    state.present();
    EXPECT_FALSE(state.is_open());
    state.present();
    EXPECT_FALSE(state.is_open()) << "a closed window stays closed";
}

TEST_F(WindowState, QuitEventCloses) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    push_type(SDL_QUIT);
    state.present();
    EXPECT_FALSE(state.is_open());
}

TEST_F(WindowState, AfterEscapeTheWindowStaysAndDrawingGoesOn) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    Canvas* canvas = state.canvas();
    push_key(SDL_KEYDOWN, SDLK_ESCAPE);
    state.present();
    ASSERT_FALSE(state.is_open());

    open_quietly(state, 100, 100);
    EXPECT_FALSE(state.is_open()) << "the window opens once";
    EXPECT_EQ(state.canvas(), canvas);
    expect_size(state, 64, 48);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO | SDL_INIT_EVENTS), SDL_INIT_VIDEO | SDL_INIT_EVENTS);

    ASSERT_NE(canvas, nullptr);
    ASSERT_TRUE(canvas->set_color(0, 0, 0)) << canvas->error();
    ASSERT_TRUE(canvas->clear()) << canvas->error();
    ASSERT_TRUE(canvas->set_color(10, 20, 30)) << canvas->error();
    canvas->point(5, 6);
    canvas->fill_rect({60, 40, 10, 10});
    EXPECT_EQ(pixel_at(5, 6), 0xFF0A141Eu);
    EXPECT_EQ(pixel_at(6, 6), 0xFF000000u);
    EXPECT_EQ(pixel_at(63, 47), 0xFF0A141Eu);
    EXPECT_EQ(pixel_at(59, 47), 0xFF000000u);
    state.present();
}

TEST_F(WindowState, DrawingReachesTheWindow) {
    GraphicsState state;
    open_quietly(state, 64, 48);
    Canvas* canvas = state.canvas();
    ASSERT_NE(canvas, nullptr);
    ASSERT_TRUE(canvas->set_color(1, 2, 3));
    ASSERT_TRUE(canvas->clear());
    EXPECT_EQ(pixel_at(0, 0), 0xFF010203u);
    EXPECT_EQ(pixel_at(63, 47), 0xFF010203u);
    ASSERT_TRUE(canvas->set_color(255, 255, 255));
    canvas->line(-10, 3, 100, 3);
    EXPECT_EQ(pixel_at(0, 3), 0xFFFFFFFFu);
    EXPECT_EQ(pixel_at(63, 3), 0xFFFFFFFFu);
    EXPECT_EQ(pixel_at(0, 4), 0xFF010203u);
    state.present();
    EXPECT_TRUE(state.is_open());
}

TEST_F(WindowState, DestructionShutsSdlDown) {
    {
        GraphicsState state;
        open_quietly(state, 64, 48);
        ASSERT_NE(SDL_WasInit(0), 0u);
    }
    EXPECT_EQ(SDL_WasInit(0), 0u);
}

TEST_F(WindowState, DestructionAfterACloseShutsSdlDown) {
    {
        GraphicsState state;
        open_quietly(state, 64, 48);
        push_type(SDL_QUIT);
        state.present();
        ASSERT_FALSE(state.is_open());
        ASSERT_NE(SDL_WasInit(0), 0u);
    }
    EXPECT_EQ(SDL_WasInit(0), 0u);
}

TEST_F(WindowState, DestructionAfterAFailureLeavesSdlDown) {
    {
        GraphicsState state;
        EXPECT_NE(open_with_error(state, 2147483648u, 10), "");
    }
    EXPECT_EQ(SDL_WasInit(0), 0u);
}

TEST_F(WindowState, AttachedCanvasNeedsNoSdl) {
    GraphicsState state;
    testing::RecordingCanvas canvas;
    state.attach_canvas(&canvas);
    EXPECT_EQ(state.canvas(), &canvas);
    EXPECT_FALSE(state.is_open());
    state.present();
    EXPECT_EQ(SDL_WasInit(0), 0u);
}

} // namespace
} // namespace quillo
