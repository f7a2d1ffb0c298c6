// The text form of values: what `print` writes and what text operations
// see. Strings appear bare (no quotes) at every level.
#pragma once

#include <string>

#include "interpreter/value.h"

namespace quillo {

// The display text of a value.
std::string to_display_string(const Value& value);

// Appends the display text of a value to out.
void append_display(std::string& out, const Value& value);

// Appends a float in positional notation with the shortest digits that read
// back as the same double: 0.30000000000000004, 1e21 as a 1 and 21 zeros,
// 1e-7 as 0.0000001, 3.0 as 3, -0.0 as -0; "NaN", "inf" and "-inf".
void append_float(std::string& out, double d);

} // namespace quillo
