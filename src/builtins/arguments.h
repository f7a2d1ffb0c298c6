// What the built-ins share: the display text of an argument. (Reading
// numeric arguments, as_integer and as_double, lives with the values.)
#pragma once

#include <string>
#include <string_view>

#include "interpreter/display.h"
#include "interpreter/value.h"

namespace quillo {

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
