// How much memory a run may use.
//
// Without a ceiling, a script that doubles a text in a loop grows until the
// system's out-of-memory killer ends the process without a word. The
// ceiling is half the memory the process can have (physical
// memory, or less where a control group or resource limit says so); the
// driver makes allocations beyond it fail, and a failed allocation stops
// the run with "Error: out of memory" instead.
#pragma once

#include <cstddef>

namespace quillo {

// The ceiling in bytes, worked out once.
std::size_t memory_ceiling();

// Replaces the ceiling (for harnesses that run many programs in one
// process, such as the fuzzer).
void set_memory_ceiling(std::size_t bytes);

// Lowers the process's data limit so that allocations beyond the ceiling
// (plus `extra_bytes` of address space that is reserved but not used, such
// as a large stack) fail. Never raises an existing limit.
void limit_memory(std::size_t extra_bytes);

} // namespace quillo
