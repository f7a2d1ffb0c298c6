// Short ways to write values in the interpreter's unit tests.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "interpreter/value.h"

namespace quillo::test {

inline const double kNaN = std::numeric_limits<double>::quiet_NaN();
inline const double kInf = std::numeric_limits<double>::infinity();

inline Value num(std::int64_t n) {
    return Value::number(n);
}

inline Value flt(double d) {
    return Value::floating(d);
}

inline Value str(std::string_view s) {
    return Value::string(s);
}

} // namespace quillo::test
