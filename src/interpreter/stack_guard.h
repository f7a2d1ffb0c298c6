// Guarding the native stack against runaway recursion.
//
// The interpreter walks trees and nested values recursively, and a script's
// recursion nests those walks once per call. Instead of a fixed call limit,
// the recursive paths (evaluation, execution, display) compare the current
// stack position with a floor just above the end of the stack, and stop the
// run cleanly when it is reached. How deep a script may recurse therefore
// depends on the stack it runs on, and nothing ever overflows it.
#pragma once

#include <cstddef>
#include <exception>

namespace quillo {

// Thrown to stop a run that cannot go on (the stack or memory is exhausted).
// It carries the message for standard error, a constant text so that
// throwing it needs no memory. Control transfer inside the language never
// uses exceptions; only these aborts do.
class RunAborted : public std::exception {
  public:
    explicit RunAborted(const char* message) : message_(message) {}
    const char* what() const noexcept override { return message_; }

  private:
    const char* message_;
};

inline constexpr const char* kRecursionMessage = "Error: recursion too deep";
inline constexpr const char* kOutOfMemoryMessage = "Error: out of memory";

namespace detail {
extern thread_local const char* stack_floor;
[[noreturn]] void stack_exhausted();
} // namespace detail

// Declares the stack the current thread runs on (lowest address and size),
// for code that switches to a stack of its own making.
void register_stack(const void* low, std::size_t size);

// Sets the floor for the current thread's stack, from the registered stack
// or else from what the thread library reports. Idempotent.
void init_stack_guard();

// Throws RunAborted when the stack is nearly used up.
inline void check_stack() {
    if (static_cast<const char*>(__builtin_frame_address(0)) < detail::stack_floor) {
        detail::stack_exhausted();
    }
}

} // namespace quillo
