// Running the interpreter on a stack large enough for deep recursion.
#pragma once

#include <cstddef>
#include <functional>

namespace quillo {

// The size of the stack that run_on_large_stack provides. Only the pages that
// are actually touched take memory.
inline constexpr std::size_t kLargeStackBytes = std::size_t{4} << 30; // 4 GiB

// Runs `body` on a freshly mapped stack of kLargeStackBytes and returns its
// result. The body runs on the calling thread (which matters for libraries
// that must be driven from the main thread); exceptions must not escape it.
// Where the system will not provide that much address space, stacks of a
// quarter of the size are tried down to 64 MiB; if none can be had, the body
// runs on the current stack.
int run_on_large_stack(const std::function<int()>& body);

} // namespace quillo
