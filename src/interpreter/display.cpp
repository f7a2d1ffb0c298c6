#include "interpreter/display.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "interpreter/dict.h"
#include "interpreter/stack_guard.h"

namespace quillo {

void append_float(std::string& out, double d) {
    if (std::isnan(d)) {
        out += "NaN";
        return;
    }
    if (std::signbit(d)) out += '-';
    d = std::fabs(d);
    if (std::isinf(d)) {
        out += "inf";
        return;
    }
    // Scientific form gives the shortest round-trip digits and the decimal
    // exponent, e.g. "1.2345e-07"; the positional layout is built from them.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
    const char* end = res.ptr;
    const char* e = static_cast<const char*>(std::memchr(buf, 'e', end - buf));
    char digits[32];
    int n = 0;
    for (const char* p = buf; p < e; ++p) {
        if (*p != '.') digits[n++] = *p;
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    // The value is 0.d1d2...dn times 10^(exponent + 1): the decimal point
    // falls after `point` digits.
    const int point = exponent + 1;
    if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out.append(digits, static_cast<std::size_t>(n));
    } else if (point >= n) {
        out.append(digits, static_cast<std::size_t>(n));
        out.append(static_cast<std::size_t>(point - n), '0');
    } else {
        out.append(digits, static_cast<std::size_t>(point));
        out += '.';
        out.append(digits + point, static_cast<std::size_t>(n - point));
    }
}

namespace {

template <typename T> void append_integer(std::string& out, T n) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, n);
    out.append(buf, res.ptr);
}

// "Name(" followed by the fields in decimal, separated by ", ", and ")".
// Every field type (32-bit signed and unsigned, 8-bit) fits in 64 bits.
void append_fields(std::string& out, std::string_view open,
                   std::initializer_list<std::int64_t> fields) {
    out += open;
    bool first = true;
    for (const std::int64_t f : fields) {
        if (!first) out += ", ";
        first = false;
        append_integer(out, f);
    }
    out += ')';
}

} // namespace

void append_display(std::string& out, const Value& value) {
    switch (value.kind()) {
    case Value::Number: append_integer(out, value.as_number()); return;
    case Value::Float: append_float(out, value.as_float()); return;
    case Value::String: out += value.text(); return;
    case Value::Boolean: out += value.as_boolean() ? "true" : "false"; return;
    case Value::Array: {
        if (must_stop()) return;
        out += '[';
        bool first = true;
        for (const Value& item : value.items()) {
            if (!first) out += ", ";
            first = false;
            append_display(out, item);
        }
        out += ']';
        return;
    }
    case Value::Dict: {
        if (must_stop()) return;
        out += '{';
        bool first = true;
        value.entries().for_each([&](Symbol key, const Value& v) {
            if (!first) out += ", ";
            first = false;
            out += key.text();
            out += ": ";
            append_display(out, v);
        });
        out += '}';
        return;
    }
    case Value::Function: out += "<function>"; return;
    case Value::Rect: {
        const Value::RectData& r = value.rect_data();
        append_fields(out, "Rect(", {r.x, r.y, r.width, r.height});
        return;
    }
    case Value::Color: {
        const Value::ColorData c = value.color_data();
        append_fields(out, "Color(", {c.r, c.g, c.b});
        return;
    }
    case Value::Circle: {
        const Value::CircleData c = value.circle_data();
        append_fields(out, "Circle(", {c.x, c.y, c.radius});
        return;
    }
    case Value::Triangle: {
        const Value::TriangleData& t = value.triangle_data();
        append_fields(out, "Triangle(", {t.x1, t.y1, t.x2, t.y2, t.x3, t.y3});
        return;
    }
    case Value::Null: out += "null"; return;
    }
}

std::string to_display_string(const Value& value) {
    std::string out;
    append_display(out, value);
    return out;
}

} // namespace quillo
