#include "interpreter/stack_guard.h"

#include <pthread.h>

#include <algorithm>
#include <cstdint>

namespace quillo {

namespace {

thread_local const char* registered_low = nullptr;
thread_local std::size_t registered_size = 0;
thread_local const char* recorded_stop = nullptr;

// The room kept free below the floor: enough for the deepest stretch of
// native code that runs between two checks (library calls included).
std::size_t reserve_for(std::size_t size) {
    return std::min<std::size_t>(std::size_t{4} << 20, size / 4);
}

// Above every stack address: every check fails.
const char* const kStopped = reinterpret_cast<const char*>(UINTPTR_MAX);

} // namespace

namespace detail {

constinit thread_local const char* stack_floor = nullptr;

bool reached_stack_floor() {
    stop_run(kRecursionMessage);
    return true;
}

} // namespace detail

void stop_run(const char* message) {
    if (recorded_stop == nullptr) recorded_stop = message;
    detail::stack_floor = kStopped;
}

const char* stop_message() {
    return recorded_stop;
}

void register_stack(const void* low, std::size_t size) {
    registered_low = static_cast<const char*>(low);
    registered_size = size;
    detail::stack_floor = nullptr;
}

void init_stack_guard() {
    recorded_stop = nullptr;
    const char* low = registered_low;
    std::size_t size = registered_size;
    if (low == nullptr) {
        pthread_attr_t attr;
        detail::stack_floor = nullptr;
        if (pthread_getattr_np(pthread_self(), &attr) != 0) return;
        void* addr = nullptr;
        pthread_attr_getstack(&attr, &addr, &size);
        pthread_attr_destroy(&attr);
        low = static_cast<const char*>(addr);
    }
    detail::stack_floor = low + reserve_for(size);
}

} // namespace quillo
