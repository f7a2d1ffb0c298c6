// What the built-ins share: reading numeric arguments and the display text
// of an argument.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "interpreter/display.h"
#include "interpreter/value.h"

namespace quillo {

// A number as an integer: a float is truncated toward zero (saturating, NaN
// gives 0). False for every other kind.
inline bool as_integer(const Value& v, std::int64_t& out) {
    if (v.is(Value::Number)) {
        out = v.as_number();
        return true;
    }
    if (v.is(Value::Float)) {
        out = to_integer(v.as_float());
        return true;
    }
    return false;
}

// A number as a double: an integer becomes the nearest double. False for
// every other kind.
inline bool as_double(const Value& v, double& out) {
    if (v.is(Value::Float)) {
        out = v.as_float();
        return true;
    }
    if (v.is(Value::Number)) {
        out = static_cast<double>(v.as_number());
        return true;
    }
    return false;
}

// The display text of a value, read in place when the value is a text (a
// text displays as itself) and built otherwise. The value must outlive it.
class DisplayText {
  public:
    explicit DisplayText(const Value& v) {
        if (v.is(Value::String)) {
            view_ = v.text();
        } else {
            built_ = to_display_string(v);
            view_ = built_;
        }
    }
    DisplayText(const DisplayText&) = delete;
    DisplayText& operator=(const DisplayText&) = delete;
    std::string_view view() const { return view_; }

  private:
    std::string built_;
    std::string_view view_;
};

} // namespace quillo
