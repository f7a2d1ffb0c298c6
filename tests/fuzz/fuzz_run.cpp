// Fuzz target: any byte string is tokenized, parsed and run by the
// interpreter, which must neither crash, nor hang, nor touch memory it does
// not own, nor allocate without bound.
//
// A program may loop forever, so each run is bounded by a step budget that
// the interpreter counts (Interpreter::set_step_budget): every loop turn and
// every call spends a step, and when kRunSteps are spent the run stops the
// way running out of stack does. The bound costs no timer or signal, and
// stops the same program at the same place every time, so a finding
// replays exactly. A run that goes on long after that did not honour the
// stop, and is a finding (libFuzzer's -timeout, or the corpus replay's own
// limit, reports it).
//
// Memory is bounded too, as a loop that doubles a text needs few steps: the
// ceiling is lowered to 4 MiB, so that a range of more than 250,000 numbers
// is refused instead of being built, and a run that holds more than that
// stops with "out of memory". (Building and dropping larger values takes
// most of the time of the inputs that do it, and reaches no code a smaller
// one does not.) Plain builds enforce it as the driver does, with the data
// limit; sanitized builds (whose shadow memory rules the data limit out)
// watch every large allocation through the sanitizer's allocation hook and
// stop the run once the ceiling is passed (libFuzzer's RSS limit is 2 GB).
// What scripts print goes to standard output: run libFuzzer with
// -close_fd_mask=3 (make fuzz-run does), the corpus replay discards it.
// Standard input is empty (/dev/null).
//
// The painting built-ins draw without a window. Built plain (fuzz_run) they
// draw into a canvas that discards everything, so the rasterisers run fast
// on whatever shapes a program makes; built with QUILLO_FUZZ_SDL
// (fuzz_paint) they paint through SDL's own software renderer into a
// 160 by 120 surface in memory, the renderer a window uses, so what SDL does
// with the shapes' calls is fuzzed too. (A small surface keeps a program
// that clears it in a loop quick; what SDL does with a shape does not
// depend on the surface's size.) No display is needed or offered:
// `window` goes through SDL's start-up: the plain target's fails at the
// video subsystem, the painting target's opens an off-screen window.
#include <SDL2/SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "driver/large_stack.h"
#include "graphics/canvas.h"
#include "graphics/frame_pacing.h"
#include "graphics/raster.h"
#include "graphics/sdl_canvas.h"
#include "interpreter/interpreter.h"
#include "interpreter/memory.h"
#include "interpreter/run_guard.h"
#include "interpreter/stack_guard.h"
#include "lexer/lexer.h"
#include "lexer/symbol.h"
#include "parser/parser.h"
#include "stack_worker.h"

namespace {

// The loop turns and calls one input may take. QUILLO_FUZZ_RUN_STEPS
// overrides it. Enough for the short loops of typical corpus entries to run
// through, small enough that an endless loop costs about a millisecond in
// the instrumented build, so the fuzzer tries over a thousand inputs a
// second.
constexpr std::uint64_t kRunSteps = 1'000;
// Painting is bounded too: a loop of 1,000 turns may paint a shape each
// turn whose walk takes millions of steps, all of them on the canvas. A run
// may walk 16 blocks of 65,536 steps (see set_walk_budget).
constexpr std::uint64_t kWalkBlocks = 16;
// Ranges larger than this are refused.
constexpr std::size_t kMemoryCeiling = std::size_t{4} << 20;

std::uint64_t run_steps = kRunSteps;
// The number of symbols interned before the first input.
std::size_t symbols_kept = 0;

#if defined(__SANITIZE_ADDRESS__)
#define QUILLO_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLO_FUZZ_ASAN 1
#endif
#endif

#ifdef QUILLO_FUZZ_ASAN
} // namespace
// Allocation stacks are recorded two frames deep: recording them whole
// costs more than many inputs take. A finding replays with full stacks
// under ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=2";
}
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*,
                                                                  std::size_t),
                                                         void (*)(const volatile void*));
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
namespace {

// What the process held when the current input started.
std::size_t held_before_run = 0;
std::uint32_t allocations = 0;

void on_allocation(const volatile void*, std::size_t size) {
    // Looking at the total costs a little: large allocations are looked at
    // always, small ones now and then.
    if (size < (std::size_t{64} << 10) && (++allocations & 0xFFF) != 0) return;
    if (__sanitizer_get_current_allocated_bytes() > held_before_run + kMemoryCeiling) {
        quillo::stop_run(quillo::kOutOfMemoryMessage);
    }
}

void on_release(const volatile void*) {}

void bound_memory() {
    __sanitizer_install_malloc_and_free_hooks(on_allocation, on_release);
}
void start_counting() {
    held_before_run = __sanitizer_get_current_allocated_bytes();
}
#else
void bound_memory() {
    // The large stack's address space counts against the limit, and the
    // harness's own data (libFuzzer's corpus) needs room too.
    quillo::limit_memory(quillo::kLargeStackBytes + (std::size_t{512} << 20));
}
void start_counting() {}
#endif

// Takes every painting call and keeps nothing. It shows 640 by 480 pixels,
// like a window, so the rasterisers leave out what lies outside.
struct DiscardingCanvas final : quillo::Canvas {
    quillo::Span columns() const override { return {0, 639}; }
    quillo::Span rows() const override { return {0, 479}; }
    bool set_color(std::uint8_t, std::uint8_t, std::uint8_t) override { return true; }
    bool clear() override { return true; }
    void point(std::int32_t, std::int32_t) override {}
    void line(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void rect(const SDL_Rect&) override {}
    void fill_rect(const SDL_Rect&) override {}
    std::string error() const override { return {}; }
};

#ifdef QUILLO_FUZZ_SDL
constexpr const char* kVideoDriver = "offscreen";

// SDL's software renderer on a surface, made once and kept: every input
// paints on it, and each run ends by carrying out what SDL queued.
struct SurfaceCanvas {
    SurfaceCanvas() {
        surface = SDL_CreateRGBSurfaceWithFormat(0, 160, 120, 32, SDL_PIXELFORMAT_ARGB8888);
        renderer = surface ? SDL_CreateSoftwareRenderer(surface) : nullptr;
        if (renderer == nullptr) {
            std::fprintf(stderr, "fuzz_paint: %s\n", SDL_GetError());
            std::abort();
        }
    }
    SDL_Surface* surface;
    SDL_Renderer* renderer;
};

SurfaceCanvas& surface_canvas() {
    static SurfaceCanvas target;
    return target;
}

quillo::Canvas& run_canvas() {
    static quillo::SdlCanvas canvas(surface_canvas().renderer);
    return canvas;
}

// Carries out the drawing SDL queued during the run.
void finish_painting() {
    SDL_RenderFlush(surface_canvas().renderer);
}
#else
constexpr const char* kVideoDriver = "none";

quillo::Canvas& run_canvas() {
    static DiscardingCanvas canvas;
    return canvas;
}

void finish_painting() {}
#endif

void set_up_once() {
    static const bool done = [] {
        quillo::set_memory_ceiling(kMemoryCeiling);
        bound_memory();
        // Windows show each frame at once: waiting for the next frame would
        // make a loop of 1,000 presents last 16 s.
        quillo::set_frame_rate(0);
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "SDL_VIDEODRIVER"}) {
            unsetenv(name);
        }
        // `window` goes through SDL's start-up every time. Without a
        // display, SDL would try to load each windowing system's libraries
        // first, which costs more than most inputs take. The painting
        // target opens its windows on SDL's off-screen driver, so that a
        // window's own renderer is fuzzed too; the plain target names a
        // driver that does not exist, so the start-up fails at once.
        setenv("SDL_VIDEODRIVER", kVideoDriver, 1);
        // Programs that call `input` read the end of the input at once
        // instead of waiting on a terminal.
        if (std::freopen("/dev/null", "r", stdin) == nullptr) std::perror("fuzz_run: stdin");
        // A first run interns the names the interpreter keeps for good
        // (`main`); every input's own names are forgotten after it.
        {
            quillo::Program warm_up;
            quillo::Interpreter interpreter;
            interpreter.run(warm_up);
        }
        symbols_kept = quillo::Symbol::count();
        if (const char* steps = std::getenv("QUILLO_FUZZ_RUN_STEPS")) {
            const long long v = std::strtoll(steps, nullptr, 10);
            if (v > 0) run_steps = static_cast<std::uint64_t>(v);
        }
        return true;
    }();
    (void)done;
}

int tokenize_parse_run(std::string_view text) {
    set_up_once();
    quillo::Program program;
    {
        const quillo::TokenList tokens = quillo::tokenize(text);
        program = quillo::parse_program(tokens);
    }
    // The driver does not run what the parser could not follow.
    if (program.too_deep) return 0;
    quillo::Interpreter interpreter;
    interpreter.set_step_budget(run_steps);
    quillo::set_walk_budget(kWalkBlocks);
    start_counting();
    quillo::Canvas& canvas = run_canvas();
    interpreter.graphics().attach_canvas(&canvas);
    quillo::run_guarded(interpreter, [&] { interpreter.run(program); });
    finish_painting();
    return 0;
}

// One input, its tree and interpreter released before its names are.
int run_input(std::string_view text) {
    const int result = tokenize_parse_run(text);
    quillo::Symbol::forget_since(symbols_kept);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    set_up_once();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
#ifdef QUILLO_REPLAY
    return run_input(text);
#else
    return quillo::fuzzing::StackWorker::instance().run([text] { return run_input(text); });
#endif
}
