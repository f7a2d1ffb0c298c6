// Unit tests for the binary operators: wrapping integer arithmetic, integer
// division and remainder with their corner cases, integer powers, float
// arithmetic and comparison, texts, booleans, and the null that every other
// pairing gives.
#include "interpreter/operators.h"
#include "value_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "interpreter/dict.h"
#include "parser/ast.h"

namespace quillo {
namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
const std::string kDivisionMessage = "Error: division by zero\n";

using test::flt;
using test::kInf;
using test::kNaN;
using test::num;
using test::str;

Value boolean(bool b) {
    return Value::boolean(b);
}

// The result of a number operation, which must be a number.
std::int64_t number_result(std::int64_t a, TokenKind op, std::int64_t b) {
    const Value v = apply_binary(num(a), op, num(b));
    EXPECT_EQ(v.kind(), Value::Number) << a << " " << token_kind_name(op) << " " << b;
    return v.is(Value::Number) ? v.as_number() : 0;
}

// The result of a float operation, which must be a float.
double float_result(double a, TokenKind op, double b) {
    const Value v = apply_binary(flt(a), op, flt(b));
    EXPECT_EQ(v.kind(), Value::Float) << a << " " << token_kind_name(op) << " " << b;
    return v.is(Value::Float) ? v.as_float() : kNaN;
}

// The result of a comparison, as "true", "false" or the kind it gave instead.
std::string truth(const Value& left, TokenKind op, const Value& right) {
    const Value v = apply_binary(left, op, right);
    if (!v.is(Value::Boolean)) return std::string(type_name(v));
    return v.as_boolean() ? "true" : "false";
}

// Every operator kind apply_binary may be given, and a few it may not.
const std::vector<TokenKind>& all_operators() {
    static const std::vector<TokenKind> ops = {
        TokenKind::Plus,       TokenKind::Minus,   TokenKind::Star,      TokenKind::Slash,
        TokenKind::Percent,    TokenKind::Power,   TokenKind::Equal,     TokenKind::NotEqual,
        TokenKind::Less,       TokenKind::Greater, TokenKind::LessEqual, TokenKind::GreaterEqual,
        TokenKind::And,        TokenKind::Or,      TokenKind::Not,       TokenKind::Assign,
        TokenKind::PlusAssign, TokenKind::Dot,     TokenKind::Eof,
    };
    return ops;
}

std::vector<Value> one_of_each_kind() {
    DictMap map;
    map.insert(Symbol("k"), num(1));
    return {num(7),
            flt(2.5),
            str("text"),
            boolean(true),
            Value::array({num(1)}),
            Value::dict(map),
            Value::function(std::make_shared<FunctionCode>()),
            Value::rect({1, 2, 3, 4}),
            Value::color({1, 2, 3}),
            Value::circle({1, 2, 3}),
            Value::triangle({1, 2, 3, 4, 5, 6}),
            Value()};
}

// ---------------------------------------------------------------------------
// Integer arithmetic wraps.

TEST(OperatorsNumber, AdditionSubtractionAndMultiplication) {
    EXPECT_EQ(number_result(2, TokenKind::Plus, 3), 5);
    EXPECT_EQ(number_result(2, TokenKind::Minus, 3), -1);
    EXPECT_EQ(number_result(-4, TokenKind::Star, 3), -12);
    EXPECT_EQ(number_result(0, TokenKind::Star, kMin), 0);
}

TEST(OperatorsNumber, OverflowWraps) {
    EXPECT_EQ(number_result(kMax, TokenKind::Plus, 1), kMin);
    EXPECT_EQ(number_result(kMin, TokenKind::Minus, 1), kMax);
    EXPECT_EQ(number_result(kMin, TokenKind::Plus, kMin), 0);
    EXPECT_EQ(number_result(0, TokenKind::Minus, kMin), kMin);
    EXPECT_EQ(number_result(kMax, TokenKind::Star, 2), -2);
    EXPECT_EQ(number_result(kMin, TokenKind::Star, -1), kMin);
    EXPECT_EQ(number_result(kMax, TokenKind::Star, kMax), 1);
    EXPECT_EQ(number_result(4294967296, TokenKind::Star, 4294967296), 0);
}

TEST(OperatorsNumber, ComparisonsAreSigned) {
    EXPECT_EQ(truth(num(-1), TokenKind::Less, num(1)), "true");
    EXPECT_EQ(truth(num(kMin), TokenKind::Less, num(kMax)), "true");
    EXPECT_EQ(truth(num(kMax), TokenKind::Greater, num(kMin)), "true");
    EXPECT_EQ(truth(num(-1), TokenKind::Greater, num(0)), "false");
    EXPECT_EQ(truth(num(3), TokenKind::LessEqual, num(3)), "true");
    EXPECT_EQ(truth(num(3), TokenKind::GreaterEqual, num(4)), "false");
    EXPECT_EQ(truth(num(3), TokenKind::Equal, num(3)), "true");
    EXPECT_EQ(truth(num(3), TokenKind::NotEqual, num(3)), "false");
    EXPECT_EQ(truth(num(kMin), TokenKind::NotEqual, num(kMax)), "true");
}

TEST(OperatorsNumber, LogicalOperatorsGiveNull) {
    EXPECT_TRUE(apply_binary(num(1), TokenKind::And, num(2)).is_null());
    EXPECT_TRUE(apply_binary(num(0), TokenKind::Or, num(1)).is_null());
}

// ---------------------------------------------------------------------------
// Integer division and remainder.

TEST(OperatorsDivision, TruncatesTowardZero) {
    EXPECT_EQ(number_result(7, TokenKind::Slash, 2), 3);
    EXPECT_EQ(number_result(-7, TokenKind::Slash, 2), -3);
    EXPECT_EQ(number_result(7, TokenKind::Slash, -2), -3);
    EXPECT_EQ(number_result(-7, TokenKind::Slash, -2), 3);
    EXPECT_EQ(number_result(1, TokenKind::Slash, 2), 0);
    EXPECT_EQ(number_result(kMin, TokenKind::Slash, 1), kMin);
    EXPECT_EQ(number_result(kMin, TokenKind::Slash, 2), kMin / 2);
    EXPECT_EQ(number_result(kMax, TokenKind::Slash, -1), -kMax);
    EXPECT_EQ(number_result(5, TokenKind::Slash, -1), -5);
}

TEST(OperatorsDivision, RemainderHasTheSignOfTheLeftOperand) {
    EXPECT_EQ(number_result(7, TokenKind::Percent, 2), 1);
    EXPECT_EQ(number_result(-7, TokenKind::Percent, 2), -1);
    EXPECT_EQ(number_result(7, TokenKind::Percent, -2), 1);
    EXPECT_EQ(number_result(-7, TokenKind::Percent, -2), -1);
    EXPECT_EQ(number_result(6, TokenKind::Percent, 3), 0);
    EXPECT_EQ(number_result(kMin, TokenKind::Percent, kMax), -1);
    EXPECT_EQ(number_result(kMax, TokenKind::Percent, kMin), kMax);
    EXPECT_EQ(number_result(5, TokenKind::Percent, -1), 0);
}

TEST(OperatorsDivision, ByZeroGivesZeroAndOneMessageEach) {
    for (std::int64_t left : {std::int64_t{5}, std::int64_t{0}, std::int64_t{-5}, kMin, kMax}) {
        for (TokenKind op : {TokenKind::Slash, TokenKind::Percent}) {
            CaptureStderr();
            const Value v = apply_binary(num(left), op, num(0));
            const std::string err = GetCapturedStderr();
            ASSERT_TRUE(v.is(Value::Number)) << left << " " << token_kind_name(op) << " 0";
            EXPECT_EQ(v.as_number(), 0) << left << " " << token_kind_name(op) << " 0";
            EXPECT_EQ(err, kDivisionMessage) << left << " " << token_kind_name(op) << " 0";
        }
    }
    CaptureStderr();
    apply_binary(num(1), TokenKind::Slash, num(0));
    apply_binary(num(1), TokenKind::Percent, num(0));
    EXPECT_EQ(GetCapturedStderr(), kDivisionMessage + kDivisionMessage);
}

TEST(OperatorsDivision, SmallestIntegerByMinusOne) {
    CaptureStderr();
    const std::int64_t quotient = number_result(kMin, TokenKind::Slash, -1);
    const std::int64_t remainder = number_result(kMin, TokenKind::Percent, -1);
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(quotient, kMin) << "the quotient wraps as negation does";
    EXPECT_EQ(remainder, 0);
    EXPECT_EQ(err, "") << "only a zero divisor writes a message";
}

TEST(OperatorsDivision, QuotientAndRemainderRecombine) {
    const std::int64_t values[] = {kMin, kMin + 1, -1000, -7, -3,   -2,       -1,  1,
                                   2,    3,        7,     13, 1000, kMax - 1, kMax};
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            if (a == kMin && b == -1) continue;
            const std::int64_t q = number_result(a, TokenKind::Slash, b);
            const std::int64_t r = number_result(a, TokenKind::Percent, b);
            EXPECT_EQ(q * b + r, a) << a << " / " << b;
            EXPECT_TRUE(r == 0 || (r < 0) == (a < 0)) << a << " % " << b;
        }
    }
}

// ---------------------------------------------------------------------------
// Integer powers: square and multiply, wrapping, the exponent taken modulo
// 2^32 as an unsigned number.

// base^e by repeated wrapping multiplication, for small e.
std::int64_t slow_power(std::int64_t base, std::uint32_t e) {
    std::uint64_t r = 1;
    for (std::uint32_t i = 0; i < e; ++i)
        r *= static_cast<std::uint64_t>(base);
    return static_cast<std::int64_t>(r);
}

TEST(OperatorsPower, SmallCases) {
    EXPECT_EQ(integer_power(2, 10), 1024);
    EXPECT_EQ(integer_power(2, 0), 1);
    EXPECT_EQ(integer_power(0, 0), 1);
    EXPECT_EQ(integer_power(0, 5), 0);
    EXPECT_EQ(integer_power(-3, 3), -27);
    EXPECT_EQ(integer_power(-3, 4), 81);
    EXPECT_EQ(integer_power(2, 62), std::int64_t{1} << 62);
    EXPECT_EQ(integer_power(2, 63), kMin);
    EXPECT_EQ(integer_power(2, 64), 0);
    EXPECT_EQ(integer_power(10, 18), 1'000'000'000'000'000'000);
}

TEST(OperatorsPower, AgreesWithRepeatedMultiplication) {
    for (std::int64_t base = -7; base <= 7; ++base) {
        for (std::uint32_t e = 0; e <= 130; ++e) {
            ASSERT_EQ(integer_power(base, e), slow_power(base, e)) << base << " ** " << e;
        }
    }
    for (std::int64_t base : {kMin, kMax, std::int64_t{123456789}, std::int64_t{-987654321}}) {
        for (std::uint32_t e = 0; e <= 70; ++e) {
            ASSERT_EQ(integer_power(base, e), slow_power(base, e)) << base << " ** " << e;
        }
    }
}

TEST(OperatorsPower, NegativeExponentsAreLargeUnsignedOnes) {
    // -1 is 4294967295: odd, and a large power of 2 wraps to 0.
    EXPECT_EQ(integer_power(2, -1), 0);
    EXPECT_EQ(integer_power(-1, -1), -1);
    EXPECT_EQ(integer_power(-1, -2), 1);
    EXPECT_EQ(integer_power(1, -1), 1);
    EXPECT_EQ(integer_power(0, -1), 0);
    // 3^(2^32 - 1) * 3 = 3^(2^32), which is 3 squared 32 times.
    std::uint64_t squared = 3;
    for (int i = 0; i < 32; ++i)
        squared *= squared;
    EXPECT_EQ(static_cast<std::uint64_t>(integer_power(3, -1)) * 3u, squared);
    // -2 is 4294967294.
    EXPECT_EQ(static_cast<std::uint64_t>(integer_power(3, -2)) * 9u, squared);
}

TEST(OperatorsPower, ExponentIsReducedModulo2To32) {
    EXPECT_EQ(integer_power(5, std::int64_t{1} << 32), 1);
    EXPECT_EQ(integer_power(5, (std::int64_t{1} << 32) + 3), 125);
    EXPECT_EQ(integer_power(5, -(std::int64_t{1} << 32)), 1);
    EXPECT_EQ(integer_power(5, -(std::int64_t{1} << 32) + 2), 25);
    EXPECT_EQ(integer_power(7, kMin), 1) << "-2^63 is 0 modulo 2^32";
    EXPECT_EQ(integer_power(7, kMax), integer_power(7, -1)) << "both are 2^32 - 1";
}

TEST(OperatorsPower, OperatorUsesIntegerPower) {
    EXPECT_EQ(number_result(2, TokenKind::Power, 10), 1024);
    EXPECT_EQ(number_result(2, TokenKind::Power, -1), 0);
    EXPECT_EQ(number_result(-1, TokenKind::Power, -1), -1);
    EXPECT_EQ(number_result(3, TokenKind::Power, 40), integer_power(3, 40));
    EXPECT_EQ(number_result(0, TokenKind::Power, 0), 1);
}

// ---------------------------------------------------------------------------
// Floats.

TEST(OperatorsFloat, Arithmetic) {
    EXPECT_EQ(float_result(7.0, TokenKind::Slash, 2.0), 3.5);
    EXPECT_EQ(float_result(0.1, TokenKind::Plus, 0.2), 0.1 + 0.2);
    EXPECT_EQ(float_result(1.5, TokenKind::Minus, 2.0), -0.5);
    EXPECT_EQ(float_result(1.5, TokenKind::Star, -2.0), -3.0);
    EXPECT_EQ(float_result(1e308, TokenKind::Star, 10.0), kInf);
    EXPECT_EQ(float_result(2.0, TokenKind::Power, 0.5), std::sqrt(2.0));
    EXPECT_EQ(float_result(2.0, TokenKind::Power, -1.0), 0.5);
    EXPECT_EQ(float_result(0.0, TokenKind::Power, -1.0), kInf);
    EXPECT_TRUE(std::isnan(float_result(-8.0, TokenKind::Power, 1.0 / 3.0)));
}

TEST(OperatorsFloat, DivisionByZeroIsSilent) {
    CaptureStderr();
    const double pos = float_result(5.0, TokenKind::Slash, 0.0);
    const double neg = float_result(-5.0, TokenKind::Slash, 0.0);
    const double neg_zero = float_result(5.0, TokenKind::Slash, -0.0);
    const double nan = float_result(0.0, TokenKind::Slash, 0.0);
    const double rem = float_result(5.0, TokenKind::Percent, 0.0);
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(pos, kInf);
    EXPECT_EQ(neg, -kInf);
    EXPECT_EQ(neg_zero, -kInf);
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_TRUE(std::isnan(rem));
    EXPECT_EQ(err, "");
}

TEST(OperatorsFloat, RemainderTakesTheSignOfTheLeftOperand) {
    EXPECT_EQ(float_result(5.5, TokenKind::Percent, 2.0), 1.5);
    EXPECT_EQ(float_result(-5.5, TokenKind::Percent, 2.0), -1.5);
    EXPECT_EQ(float_result(5.5, TokenKind::Percent, -2.0), 1.5);
    EXPECT_EQ(float_result(-5.5, TokenKind::Percent, -2.0), -1.5);
    EXPECT_TRUE(std::signbit(float_result(-4.0, TokenKind::Percent, 2.0))) << "-0, not 0";
    EXPECT_EQ(float_result(3.0, TokenKind::Percent, kInf), 3.0);
    EXPECT_TRUE(std::isnan(float_result(kInf, TokenKind::Percent, 2.0)));
}

TEST(OperatorsFloat, EqualityWithinEpsilon) {
    const double eps = 2.220446049250313e-16;
    EXPECT_EQ(truth(flt(0.1 + 0.2), TokenKind::Equal, flt(0.3)), "true");
    EXPECT_EQ(truth(flt(0.1 + 0.2), TokenKind::NotEqual, flt(0.3)), "false");
    EXPECT_EQ(truth(flt(0.00000000000000001), TokenKind::Equal, flt(0.0)), "true");
    EXPECT_EQ(truth(flt(0.0), TokenKind::Equal, flt(-0.0)), "true");
    EXPECT_EQ(truth(flt(1.0), TokenKind::Equal, flt(1.0 + eps)), "false")
        << "a difference of exactly epsilon is not below it";
    EXPECT_EQ(truth(flt(1.0), TokenKind::NotEqual, flt(1.0 + eps)), "true");
    EXPECT_EQ(truth(flt(1e20), TokenKind::Equal, flt(std::nextafter(1e20, kInf))), "false")
        << "the tolerance is absolute, not relative";
    EXPECT_EQ(truth(flt(1e20), TokenKind::NotEqual, flt(std::nextafter(1e20, kInf))), "true");
}

TEST(OperatorsFloat, OrderingIsIeee) {
    EXPECT_EQ(truth(flt(1.0), TokenKind::Less, flt(2.0)), "true");
    EXPECT_EQ(truth(flt(-0.0), TokenKind::Less, flt(0.0)), "false");
    EXPECT_EQ(truth(flt(-0.0), TokenKind::LessEqual, flt(0.0)), "true");
    EXPECT_EQ(truth(flt(-kInf), TokenKind::Less, flt(-1e308)), "true");
    EXPECT_EQ(truth(flt(kInf), TokenKind::GreaterEqual, flt(kInf)), "true");
    // Ordering is exact even where equality has a tolerance.
    EXPECT_EQ(truth(flt(0.0), TokenKind::Less, flt(1e-17)), "true");
}

TEST(OperatorsFloat, EveryComparisonWithNaNIsFalse) {
    const TokenKind comparisons[] = {TokenKind::Equal,     TokenKind::NotEqual,
                                     TokenKind::Less,      TokenKind::Greater,
                                     TokenKind::LessEqual, TokenKind::GreaterEqual};
    for (TokenKind op : comparisons) {
        EXPECT_EQ(truth(flt(kNaN), op, flt(1.0)), "false") << token_kind_name(op);
        EXPECT_EQ(truth(flt(1.0), op, flt(kNaN)), "false") << token_kind_name(op);
        EXPECT_EQ(truth(flt(kNaN), op, flt(kNaN)), "false") << token_kind_name(op);
    }
}

TEST(OperatorsFloat, InfinitiesAreNotWithinEpsilonOfEachOther) {
    // The difference of two equal infinities is NaN, which is not below the
    // tolerance; nor is it at least the tolerance.
    EXPECT_EQ(truth(flt(kInf), TokenKind::Equal, flt(kInf)), "false");
    EXPECT_EQ(truth(flt(kInf), TokenKind::NotEqual, flt(kInf)), "false");
    EXPECT_EQ(truth(flt(kInf), TokenKind::NotEqual, flt(-kInf)), "true");
}

TEST(OperatorsFloat, LogicalOperatorsGiveNull) {
    EXPECT_TRUE(apply_binary(flt(1.0), TokenKind::And, flt(1.0)).is_null());
    EXPECT_TRUE(apply_binary(flt(1.0), TokenKind::Or, flt(0.0)).is_null());
}

// ---------------------------------------------------------------------------
// Texts.

TEST(OperatorsString, ConcatenationAndEquality) {
    const Value joined = apply_binary(str("ab"), TokenKind::Plus, str("cd"));
    ASSERT_TRUE(joined.is(Value::String));
    EXPECT_EQ(joined.text(), "abcd");
    EXPECT_EQ(apply_binary(str(""), TokenKind::Plus, str("")).text(), "");
    const std::string with_nul("a\0b", 3);
    EXPECT_EQ(apply_binary(str(with_nul), TokenKind::Plus, str(with_nul)).text(),
              with_nul + with_nul);

    EXPECT_EQ(truth(str("abc"), TokenKind::Equal, str("abc")), "true");
    EXPECT_EQ(truth(str("abc"), TokenKind::Equal, str("abd")), "false");
    EXPECT_EQ(truth(str("a"), TokenKind::Equal, str(std::string("a\0", 2))), "false");
    EXPECT_EQ(truth(str("abc"), TokenKind::NotEqual, str("ABC")), "true");
    EXPECT_EQ(truth(str(""), TokenKind::NotEqual, str("")), "false");
}

TEST(OperatorsString, NoOrderingAndNoArithmetic) {
    for (TokenKind op :
         {TokenKind::Less, TokenKind::Greater, TokenKind::LessEqual, TokenKind::GreaterEqual,
          TokenKind::Minus, TokenKind::Star, TokenKind::Slash, TokenKind::Percent, TokenKind::Power,
          TokenKind::And, TokenKind::Or}) {
        EXPECT_TRUE(apply_binary(str("a"), op, str("b")).is_null()) << token_kind_name(op);
    }
}

// A left operand whose text other values also hold: the result is new, the
// shared text is untouched.
TEST(OperatorsString, SharedLeftOperandIsNotModified) {
    const Value s = str("abc");
    const Value r = apply_binary(s, TokenKind::Plus, str("def"));
    EXPECT_EQ(r.text(), "abcdef");
    EXPECT_EQ(s.text(), "abc");

    Value moved = s; // shares s's text
    const Value r2 = apply_binary(std::move(moved), TokenKind::Plus, str("!"));
    EXPECT_EQ(r2.text(), "abc!");
    EXPECT_EQ(s.text(), "abc");

    const Value list = Value::array({str("elem")});
    const Value r3 = apply_binary(list.items()[0], TokenKind::Plus, str("ent"));
    EXPECT_EQ(r3.text(), "element");
    EXPECT_EQ(list.items()[0].text(), "elem");
}

TEST(OperatorsString, OperandJoinedWithItself) {
    Value s = str("ab");
    EXPECT_EQ(apply_binary(s, TokenKind::Plus, s).text(), "abab");
    EXPECT_EQ(s.text(), "ab");
    Value copy = s;
    EXPECT_EQ(apply_binary(std::move(s), TokenKind::Plus, std::move(copy)).text(), "abab");
}

TEST(OperatorsString, ChainedTemporaryIsExtended) {
    // a + b + c, where the left part is a temporary nothing else holds.
    const Value a = str("x");
    Value acc = apply_binary(a, TokenKind::Plus, str("y"));
    for (int i = 0; i < 1000; ++i)
        acc = apply_binary(std::move(acc), TokenKind::Plus, str("z"));
    EXPECT_EQ(acc.text(), "xy" + std::string(1000, 'z'));
    EXPECT_EQ(a.text(), "x");
}

// ---------------------------------------------------------------------------
// Booleans.

TEST(OperatorsBoolean, TruthTables) {
    const bool values[] = {false, true};
    for (bool a : values) {
        for (bool b : values) {
            const std::string want_and = (a && b) ? "true" : "false";
            const std::string want_or = (a || b) ? "true" : "false";
            EXPECT_EQ(truth(boolean(a), TokenKind::And, boolean(b)), want_and) << a << b;
            EXPECT_EQ(truth(boolean(a), TokenKind::Or, boolean(b)), want_or) << a << b;
            EXPECT_EQ(truth(boolean(a), TokenKind::Equal, boolean(b)), a == b ? "true" : "false");
            EXPECT_EQ(truth(boolean(a), TokenKind::NotEqual, boolean(b)),
                      a != b ? "true" : "false");
        }
    }
}

TEST(OperatorsBoolean, NoArithmeticAndNoOrdering) {
    for (TokenKind op : {TokenKind::Plus, TokenKind::Minus, TokenKind::Star, TokenKind::Slash,
                         TokenKind::Percent, TokenKind::Power, TokenKind::Less, TokenKind::Greater,
                         TokenKind::LessEqual, TokenKind::GreaterEqual}) {
        EXPECT_TRUE(apply_binary(boolean(true), op, boolean(false)).is_null())
            << token_kind_name(op);
    }
}

// ---------------------------------------------------------------------------
// Everything else is null, silently.

TEST(OperatorsNull, MixedKindsGiveNull) {
    EXPECT_TRUE(apply_binary(num(1), TokenKind::Plus, flt(2.0)).is_null());
    EXPECT_TRUE(apply_binary(flt(2.0), TokenKind::Star, num(3)).is_null());
    EXPECT_TRUE(apply_binary(str("n="), TokenKind::Plus, num(5)).is_null());
    EXPECT_TRUE(apply_binary(num(1), TokenKind::Equal, flt(1.0)).is_null());
    EXPECT_TRUE(apply_binary(boolean(true), TokenKind::Equal, num(1)).is_null());
    EXPECT_TRUE(apply_binary(boolean(true), TokenKind::And, num(1)).is_null());
    EXPECT_TRUE(apply_binary(num(1), TokenKind::Slash, Value()).is_null());

    CaptureStderr();
    const std::vector<Value> all = one_of_each_kind();
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (std::size_t j = 0; j < all.size(); ++j) {
            if (i == j) continue;
            for (TokenKind op : all_operators()) {
                EXPECT_TRUE(apply_binary(all[i], op, all[j]).is_null())
                    << type_name(all[i]) << " " << token_kind_name(op) << " " << type_name(all[j])
                    << " (kinds " << i << ", " << j << ")";
            }
        }
    }
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(OperatorsNull, ContainersShapesFunctionsAndNullGiveNullForEveryOperator) {
    CaptureStderr();
    for (const Value& v : one_of_each_kind()) {
        if (v.is(Value::Number) || v.is(Value::Float) || v.is(Value::String) ||
            v.is(Value::Boolean)) {
            continue;
        }
        for (TokenKind op : all_operators()) {
            EXPECT_TRUE(apply_binary(v, op, v).is_null())
                << type_name(v) << " " << token_kind_name(op) << " (kind "
                << static_cast<int>(v.kind()) << ")";
        }
    }
    EXPECT_TRUE(apply_binary(Value(), TokenKind::Equal, Value()).is_null())
        << "null == null is null, not true";
    EXPECT_TRUE(
        apply_binary(Value::array({num(1)}), TokenKind::Equal, Value::array({num(1)})).is_null());
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(OperatorsNull, OperatorsThatAreNotBinaryGiveNull) {
    for (TokenKind op : {TokenKind::Not, TokenKind::Assign, TokenKind::PlusAssign, TokenKind::Dot,
                         TokenKind::Eof}) {
        EXPECT_TRUE(apply_binary(num(1), op, num(2)).is_null()) << token_kind_name(op);
        EXPECT_TRUE(apply_binary(flt(1), op, flt(2)).is_null()) << token_kind_name(op);
        EXPECT_TRUE(apply_binary(str("a"), op, str("b")).is_null()) << token_kind_name(op);
        EXPECT_TRUE(apply_binary(boolean(true), op, boolean(true)).is_null())
            << token_kind_name(op);
    }
}

// ---------------------------------------------------------------------------
// Compound assignment.

TEST(OperatorsCompound, EachAssignmentMapsToItsOperator) {
    EXPECT_EQ(compound_operator(TokenKind::PlusAssign), TokenKind::Plus);
    EXPECT_EQ(compound_operator(TokenKind::MinusAssign), TokenKind::Minus);
    EXPECT_EQ(compound_operator(TokenKind::StarAssign), TokenKind::Star);
    EXPECT_EQ(compound_operator(TokenKind::SlashAssign), TokenKind::Slash);
}

TEST(OperatorsCompound, CompoundDivisionByZeroBehavesLikeDivision) {
    CaptureStderr();
    const Value v = apply_binary(num(9), compound_operator(TokenKind::SlashAssign), num(0));
    EXPECT_EQ(GetCapturedStderr(), kDivisionMessage);
    ASSERT_TRUE(v.is(Value::Number));
    EXPECT_EQ(v.as_number(), 0);
}

} // namespace
} // namespace quillo
