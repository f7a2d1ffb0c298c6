// Fuzz target: any byte string is tokenized, parsed and run by the
// interpreter, which must neither crash, nor hang, nor touch memory it does
// not own, nor allocate without bound.
//
// A program may loop forever, so each run is bounded in time: a timer armed
// just before the run sends the thread that runs it a signal after
// kRunMilliseconds (50 ms), and the handler stops the run the way running
// out of stack does (quillo::stop_run): every loop and call then returns,
// and the run ends cleanly. A run that does not end soon after that is a finding
// (libFuzzer's -timeout, or the corpus replay's own limit, reports it).
//
// The timer uses a real-time signal aimed at one thread (timer_create with
// SIGEV_THREAD_ID), not SIGALRM: libFuzzer keeps SIGALRM for its own
// -timeout, and under the address sanitizer the run happens on a thread of
// its own (see run_on_large_stack), whose stop state is thread-local.
//
// The memory ceiling is lowered so that a huge range is refused instead of
// being built (libFuzzer's RSS limit is 2 GB). What scripts print goes to
// standard output: run libFuzzer with -close_fd_mask=3 (make fuzz-run does),
// the corpus replay discards it. Standard input is empty (/dev/null).
//
// The painting built-ins draw into a canvas that discards everything, so the
// rasterisers run on whatever shapes a program makes. No display is offered:
// `window` goes through SDL's start-up and fails at the video subsystem.
#include <signal.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "driver/large_stack.h"
#include "graphics/canvas.h"
#include "interpreter/interpreter.h"
#include "interpreter/memory.h"
#include "interpreter/run_guard.h"
#include "interpreter/stack_guard.h"
#include "lexer/lexer.h"
#include "parser/parser.h"

namespace {

// How long one input may run before it is stopped. QUILLO_FUZZ_RUN_MS
// overrides it.
constexpr long kRunMilliseconds = 50;
// Ranges larger than this are refused.
constexpr std::size_t kMemoryCeiling = std::size_t{256} << 20;

const char* const kTimeUpMessage = "Error: fuzzing time limit reached";

long run_milliseconds = kRunMilliseconds;

void on_time_up(int) {
    quillo::stop_run(kTimeUpMessage);
}

int time_up_signal() {
    return SIGRTMIN + 1;
}

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

void set_up_once() {
    static const bool done = [] {
        quillo::set_memory_ceiling(kMemoryCeiling);
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "SDL_VIDEODRIVER"}) {
            unsetenv(name);
        }
        // Programs that call `input` read the end of the input at once
        // instead of waiting on a terminal.
        if (std::freopen("/dev/null", "r", stdin) == nullptr) std::perror("fuzz_run: stdin");
        if (const char* ms = std::getenv("QUILLO_FUZZ_RUN_MS")) {
            const long v = std::strtol(ms, nullptr, 10);
            if (v > 0) run_milliseconds = v;
        }
        struct sigaction action {};
        action.sa_handler = on_time_up;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (sigaction(time_up_signal(), &action, nullptr) != 0) {
            std::perror("fuzz_run: sigaction");
            std::abort();
        }
        return true;
    }();
    (void)done;
}

// A one-shot timer that signals the calling thread, disarmed and deleted
// when it goes out of scope.
class RunTimer {
  public:
    explicit RunTimer(long milliseconds) {
        sigevent event{};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = time_up_signal();
        event._sigev_un._tid = static_cast<pid_t>(syscall(SYS_gettid));
        if (timer_create(CLOCK_MONOTONIC, &event, &id_) != 0) {
            std::perror("fuzz_run: timer_create");
            std::abort();
        }
        itimerspec when{};
        when.it_value.tv_sec = milliseconds / 1000;
        when.it_value.tv_nsec = (milliseconds % 1000) * 1'000'000;
        // Signalled again every few milliseconds after that, should the
        // first signal be missed; a recorded stop keeps its first message.
        when.it_interval.tv_nsec = 10'000'000;
        timer_settime(id_, 0, &when, nullptr);
    }
    ~RunTimer() {
        itimerspec off{};
        timer_settime(id_, 0, &off, nullptr);
        timer_delete(id_);
    }
    RunTimer(const RunTimer&) = delete;
    RunTimer& operator=(const RunTimer&) = delete;

  private:
    timer_t id_{};
};

int tokenize_parse_run(std::string_view text) {
    set_up_once();
    const quillo::TokenList tokens = quillo::tokenize(text);
    const quillo::Program program = quillo::parse_program(tokens);
    // Constructing the interpreter clears any stop recorded on this thread,
    // so the timer is armed only after it.
    quillo::Interpreter interpreter;
    DiscardingCanvas canvas;
    interpreter.graphics().attach_canvas(&canvas);
    {
        RunTimer timer(run_milliseconds);
        quillo::run_guarded(interpreter, [&] { interpreter.run(program); });
    }
    // A signal that came after the run ended but before the timer was
    // disarmed leaves a stop recorded; the next interpreter clears it.
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    set_up_once();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
#ifdef QUILLO_REPLAY
    return tokenize_parse_run(text);
#else
    return quillo::run_on_large_stack([text] { return tokenize_parse_run(text); });
#endif
}
