// random and random_range, drawing from the process's one generator.
#include <cstdint>

#include "builtins/arguments.h"
#include "builtins/library.h"
#include "builtins/random_source.h"
#include "interpreter/interpreter.h"

namespace quillo {

Value builtin_random(Interpreter&, ArgList) {
    // The top 53 bits, scaled into [0, 1): one of 2^53 evenly spaced values.
    const std::uint64_t w = RandomSource::process().next_u64();
    return Value::floating(static_cast<double>(w >> 11) * 0x1.0p-53);
}

Value builtin_random_range(Interpreter& in, ArgList args) {
    const Value a = args[0]->eval(in);
    const Value b = args[1]->eval(in);
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    if (!as_integer(a, lo) || !as_integer(b, hi) || in.stopped()) return Value();
    // Everything wraps: d = hi - lo, and the result is lo + (R rem d) for a
    // random signed R, so it may lie below lo as far as above it.
    const std::uint64_t d = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo);
    // An empty range (hi equal to lo, or hi - lo wrapping to 0) has no
    // member to draw: like other unusable arguments it gives null, and no
    // random number is used.
    if (d == 0) return Value();
    const auto r = static_cast<std::int64_t>(RandomSource::process().next_u64());
    // The remainder by -1 is 0 (computing it would overflow for the
    // smallest R).
    const std::int64_t rem = d == ~std::uint64_t{0} ? 0 : r % static_cast<std::int64_t>(d);
    return Value::number(static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) +
                                                   static_cast<std::uint64_t>(rem)));
}

} // namespace quillo
