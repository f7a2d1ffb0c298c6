// Stopping a run that cannot go on, cleanly.
#pragma once

#include <new>
#include <stdexcept>

#include "interpreter/interpreter.h"
#include "interpreter/stack_guard.h"

namespace quillo {

template <typename F> bool run_guarded(Interpreter& interpreter, F&& body) {
    const char* message = nullptr;
    try {
        body();
        message = stop_message();
        if (message == nullptr) return true;
    } catch (const std::bad_alloc&) {
        message = kOutOfMemoryMessage;
    } catch (const std::length_error&) {
        message = kOutOfMemoryMessage;
    }
    interpreter.clear_signals();
    report_abort(message);
    return false;
}

} // namespace quillo
