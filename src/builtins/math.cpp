// sqrt, floor, ceil, round, abs, pow, min and max: where integers and
// floats meet. Each fixes the kind it returns.
#include <cmath>
#include <cstdint>

#include "builtins/arguments.h"
#include "builtins/library.h"
#include "interpreter/interpreter.h"

namespace quillo {

namespace {

// A float function of one argument read as a double.
template <typename F> Value on_double(Interpreter& in, ArgList args, F f) {
    double x = 0;
    if (!as_double(args[0]->eval(in), x)) return Value();
    return f(x);
}

} // namespace

Value builtin_sqrt(Interpreter& in, ArgList args) {
    return on_double(in, args, [](double x) { return Value::floating(std::sqrt(x)); });
}

// floor, ceil and round pass even an integer through a double, and give an
// integer (saturating, NaN giving 0).
Value builtin_floor(Interpreter& in, ArgList args) {
    return on_double(in, args, [](double x) { return Value::number(to_integer(std::floor(x))); });
}

Value builtin_ceil(Interpreter& in, ArgList args) {
    return on_double(in, args, [](double x) { return Value::number(to_integer(std::ceil(x))); });
}

Value builtin_round(Interpreter& in, ArgList args) {
    // std::round takes halves away from zero: 2.5 gives 3, -2.5 gives -3.
    return on_double(in, args, [](double x) { return Value::number(to_integer(std::round(x))); });
}

Value builtin_abs(Interpreter& in, ArgList args) {
    const Value v = args[0]->eval(in);
    if (v.is(Value::Number)) {
        // Wraps: the smallest integer is its own absolute value.
        const auto n = static_cast<std::uint64_t>(v.as_number());
        return Value::number(static_cast<std::int64_t>(v.as_number() < 0 ? 0 - n : n));
    }
    // Clears the sign bit: -0.0 gives 0.0 and NaN stays NaN.
    if (v.is(Value::Float)) return Value::floating(std::fabs(v.as_float()));
    return Value();
}

Value builtin_pow(Interpreter& in, ArgList args) {
    // Both arguments are evaluated before either is tested.
    const Value a = args[0]->eval(in);
    const Value b = args[1]->eval(in);
    double base = 0;
    double exponent = 0;
    if (!as_double(a, base) || !as_double(b, exponent)) return Value();
    return Value::floating(std::pow(base, exponent));
}

namespace {

// min and max: every argument is evaluated, the non-numeric ones are
// skipped, and the numeric ones are folded from the left. With these
// comparisons a NaN wins `min` only in the first position and `max` only
// in the last.
template <bool Max> Value extreme(Interpreter& in, ArgList args) {
    bool found = false;
    double r = 0;
    for (const ExprPtr& arg : args) {
        double v = 0;
        if (!as_double(arg->eval(in), v)) continue;
        if (!found) {
            r = v;
            found = true;
        } else if (Max ? !(r > v) : r > v) {
            r = v;
        }
    }
    if (!found || in.stopped()) return Value();
    return Value::floating(r);
}

} // namespace

Value builtin_min(Interpreter& in, ArgList args) {
    return extreme<false>(in, args);
}

Value builtin_max(Interpreter& in, ArgList args) {
    return extreme<true>(in, args);
}

} // namespace quillo
