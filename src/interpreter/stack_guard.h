// Guarding the native stack against runaway recursion, and stopping a run.
//
// The interpreter walks trees and nested values recursively, and a script's
// recursion nests those walks once per call. The recursive paths
// (evaluation, execution, calls, display) compare the current stack
// position with a floor just above the end of the stack. Reaching it stops
// the run: the stop is recorded with its message, the floor is raised above
// every address so that every later check fails too, and each recursive
// function then returns at once (with null), unwinding the whole run by
// ordinary returns without any further effect. The driver reports the
// message and resets the guard.
//
// Exceptions are not used for this: unwinding millions of frames by
// exception takes far longer than returning through them.
#pragma once

#include <cstddef>

namespace quillo {

inline constexpr const char* kRecursionMessage = "Error: recursion too deep";
inline constexpr const char* kOutOfMemoryMessage = "Error: out of memory";
inline constexpr const char* kStepBudgetMessage = "Error: step budget spent";
// A stop asked for from outside the run (a signal): its cause is known to
// whoever asked, so nothing is reported.
inline constexpr const char* kQuietStop = "";

namespace detail {
// Constant-initialised, so reading it needs no thread-local wrapper call.
extern constinit thread_local const char* stack_floor;
bool reached_stack_floor();
} // namespace detail

// Declares the stack the current thread runs on (lowest address and size),
// for code that switches to a stack of its own making.
void register_stack(const void* low, std::size_t size);

// Sets the floor for the current thread's stack (from the registered stack,
// or else from what the thread library reports) and clears a recorded stop.
void init_stack_guard();

// True when the run must stop here: the stack is nearly used up (which
// records a stop) or a stop was recorded earlier. The caller returns at
// once.
inline bool must_stop() {
    return static_cast<const char*>(__builtin_frame_address(0)) < detail::stack_floor &&
           detail::reached_stack_floor();
}

// Records a stop with its message (the first message recorded is kept).
void stop_run(const char* message);

// The message of the recorded stop, or nullptr when the run goes on.
const char* stop_message();

} // namespace quillo
