// window, is_open, window_width, window_height and present: opening the
// window and following it.
#include <cstdint>

#include "builtins/library.h"
#include "graphics/graphics_state.h"
#include "interpreter/interpreter.h"

namespace quillo {

Value builtin_window(Interpreter& in, ArgList args) {
    // Both sizes are evaluated, then read as integers.
    const Value w = args[0]->eval(in);
    const Value h = args[1]->eval(in);
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (!as_integer(w, width) || !as_integer(h, height) || in.stopped()) return Value();
    // The low 32 bits, unsigned: -1 is 4294967295, 4294967296 is 0.
    in.graphics().open_window(static_cast<std::uint32_t>(width),
                              static_cast<std::uint32_t>(height));
    return Value();
}

Value builtin_is_open(Interpreter& in, ArgList) {
    return Value::boolean(in.graphics().is_open());
}

namespace {

// The window's current width or height as SDL reports it; null without a
// window.
Value window_dimension(Interpreter& in, bool width) {
    std::uint32_t w = 0;
    std::uint32_t h = 0;
    if (!in.graphics().window_size(w, h)) return Value();
    return Value::number(width ? w : h);
}

} // namespace

Value builtin_window_width(Interpreter& in, ArgList) {
    return window_dimension(in, true);
}

Value builtin_window_height(Interpreter& in, ArgList) {
    return window_dimension(in, false);
}

Value builtin_present(Interpreter& in, ArgList) {
    in.graphics().present();
    return Value();
}

} // namespace quillo
