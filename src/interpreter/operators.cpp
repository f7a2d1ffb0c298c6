#include "interpreter/operators.h"

#include <cmath>
#include <cstdint>

#include "interpreter/console.h"

namespace quillo {

namespace {

std::int64_t wrap(std::uint64_t u) {
    return static_cast<std::int64_t>(u);
}

void division_by_zero() {
    write_diagnostic("Error: division by zero\n");
}

Value number_op(std::int64_t a, TokenKind op, std::int64_t b) {
    const auto ua = static_cast<std::uint64_t>(a);
    const auto ub = static_cast<std::uint64_t>(b);
    switch (op) {
    case TokenKind::Plus: return Value::number(wrap(ua + ub));
    case TokenKind::Minus: return Value::number(wrap(ua - ub));
    case TokenKind::Star: return Value::number(wrap(ua * ub));
    case TokenKind::Slash:
        if (b == 0) {
            division_by_zero();
            return Value::number(0);
        }
        // The one quotient that does not fit wraps, as negation does:
        // -9223372036854775808 / -1 is -9223372036854775808.
        if (b == -1) return Value::number(wrap(0 - ua));
        return Value::number(a / b);
    case TokenKind::Percent:
        // A remainder by zero is a division by zero. Dividing by -1 leaves
        // no remainder, also for the smallest integer, whose quotient
        // overflows.
        if (b == 0) {
            division_by_zero();
            return Value::number(0);
        }
        if (b == -1) return Value::number(0);
        return Value::number(a % b);
    case TokenKind::Power: return Value::number(integer_power(a, b));
    case TokenKind::Equal: return Value::boolean(a == b);
    case TokenKind::NotEqual: return Value::boolean(a != b);
    case TokenKind::Less: return Value::boolean(a < b);
    case TokenKind::Greater: return Value::boolean(a > b);
    case TokenKind::LessEqual: return Value::boolean(a <= b);
    case TokenKind::GreaterEqual: return Value::boolean(a >= b);
    default: return Value();
    }
}

Value float_op(double a, TokenKind op, double b) {
    switch (op) {
    case TokenKind::Plus: return Value::floating(a + b);
    case TokenKind::Minus: return Value::floating(a - b);
    case TokenKind::Star: return Value::floating(a * b);
    case TokenKind::Slash: return Value::floating(a / b);
    case TokenKind::Percent: return Value::floating(std::fmod(a, b));
    case TokenKind::Power: return Value::floating(std::pow(a, b));
    case TokenKind::Equal: return Value::boolean(std::fabs(a - b) < kFloatEpsilon);
    case TokenKind::NotEqual: return Value::boolean(std::fabs(a - b) >= kFloatEpsilon);
    case TokenKind::Less: return Value::boolean(a < b);
    case TokenKind::Greater: return Value::boolean(a > b);
    case TokenKind::LessEqual: return Value::boolean(a <= b);
    case TokenKind::GreaterEqual: return Value::boolean(a >= b);
    default: return Value();
    }
}

Value string_op(Value left, TokenKind op, const Value& right) {
    switch (op) {
    case TokenKind::Plus:
        if (left.unshared()) {
            // A temporary (such as the left part of a + b + c) is extended
            // in place instead of copied.
            left.text_mut() += right.text();
            return left;
        } else {
            std::string joined;
            joined.reserve(left.text().size() + right.text().size());
            joined += left.text();
            joined += right.text();
            return Value::string(std::move(joined));
        }
    case TokenKind::Equal: return Value::boolean(left.text() == right.text());
    case TokenKind::NotEqual: return Value::boolean(left.text() != right.text());
    default: return Value();
    }
}

Value boolean_op(bool a, TokenKind op, bool b) {
    switch (op) {
    case TokenKind::And: return Value::boolean(a && b);
    case TokenKind::Or: return Value::boolean(a || b);
    case TokenKind::Equal: return Value::boolean(a == b);
    case TokenKind::NotEqual: return Value::boolean(a != b);
    default: return Value();
    }
}

} // namespace

std::int64_t integer_power(std::int64_t base, std::int64_t exponent) {
    auto e = static_cast<std::uint32_t>(static_cast<std::uint64_t>(exponent));
    std::uint64_t b = static_cast<std::uint64_t>(base);
    std::uint64_t result = 1;
    while (e != 0) {
        if (e & 1u) result *= b;
        b *= b;
        e >>= 1;
    }
    return wrap(result);
}

Value apply_binary(Value left, TokenKind op, Value right) {
    if (left.kind() != right.kind()) return Value();
    switch (left.kind()) {
    case Value::Number: return number_op(left.as_number(), op, right.as_number());
    case Value::Float: return float_op(left.as_float(), op, right.as_float());
    case Value::String: return string_op(std::move(left), op, right);
    case Value::Boolean: return boolean_op(left.as_boolean(), op, right.as_boolean());
    default: return Value();
    }
}

TokenKind compound_operator(TokenKind assign) {
    switch (assign) {
    case TokenKind::PlusAssign: return TokenKind::Plus;
    case TokenKind::MinusAssign: return TokenKind::Minus;
    case TokenKind::StarAssign: return TokenKind::Star;
    case TokenKind::SlashAssign: return TokenKind::Slash;
    default: return assign;
    }
}

} // namespace quillo
