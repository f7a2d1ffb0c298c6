// Unit tests for the text form of values, above all of floats, and for the
// stack guard that stops the display of nests too deep for the stack.
#include "interpreter/display.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/mman.h>
#include <ucontext.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "interpreter/dict.h"
#include "interpreter/stack_guard.h"
#include "parser/ast.h"

namespace quillo {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::string show_float(double d) {
    return to_display_string(Value::floating(d));
}

// digits followed by the given number of zeros: an integral float's text.
std::string with_zeros(std::string_view digits, std::size_t zeros) {
    std::string s(digits);
    s.append(zeros, '0');
    return s;
}

// "0.", the given number of zeros, then digits: a small float's text.
std::string zero_point(std::size_t zeros, std::string_view digits) {
    std::string s = "0.";
    s.append(zeros, '0');
    s.append(digits);
    return s;
}

// A text with "-" in front.
std::string negated(const std::string& text) {
    std::string s = "-";
    s += text;
    return s;
}

Value arr(std::initializer_list<Value> items) {
    return Value::array(std::vector<Value>(items));
}

Value nested_arrays(int levels) {
    Value v = Value::number(1);
    for (int i = 0; i < levels; ++i) {
        std::vector<Value> items;
        items.push_back(std::move(v));
        v = Value::array(std::move(items));
    }
    return v;
}

// ---------------------------------------------------------------------------
// Floats: fixed cases.

TEST(DisplayFloat, SpecialValues) {
    EXPECT_EQ(show_float(kNaN), "NaN");
    EXPECT_EQ(show_float(-kNaN), "NaN") << "NaN shows no sign";
    EXPECT_EQ(show_float(kInf), "inf");
    EXPECT_EQ(show_float(-kInf), "-inf");
    EXPECT_EQ(show_float(0.0), "0");
    EXPECT_EQ(show_float(-0.0), "-0");
}

TEST(DisplayFloat, IntegralFloatsHaveNoFractionalPart) {
    EXPECT_EQ(show_float(3.0), "3");
    EXPECT_EQ(show_float(-2.0), "-2");
    EXPECT_EQ(show_float(100.0), "100");
    EXPECT_EQ(show_float(1e15), "1000000000000000");
    EXPECT_EQ(show_float(1e16), "10000000000000000");
    EXPECT_EQ(show_float(9007199254740992.0), "9007199254740992");
    EXPECT_EQ(show_float(1e21), with_zeros("1", 21));
    EXPECT_EQ(show_float(1e22), with_zeros("1", 22));
    // The double nearest 1e23 lies below it, but "1" and 23 zeros is the
    // shortest text that reads back as it.
    EXPECT_EQ(show_float(1e23), with_zeros("1", 23));
    EXPECT_EQ(show_float(123456789012345680000.0), "123456789012345680000");
    EXPECT_EQ(show_float(-123456789012345680000.0), "-123456789012345680000");
}

TEST(DisplayFloat, FractionsArePositional) {
    EXPECT_EQ(show_float(2.5), "2.5");
    EXPECT_EQ(show_float(0.5), "0.5");
    EXPECT_EQ(show_float(-0.001), "-0.001");
    EXPECT_EQ(show_float(123.456), "123.456");
    EXPECT_EQ(show_float(12345.678), "12345.678");
    EXPECT_EQ(show_float(1e-7), "0.0000001");
    EXPECT_EQ(show_float(1.5e-5), "0.000015");
    EXPECT_EQ(show_float(1000000000000000.5), "1000000000000000.5");
    EXPECT_EQ(show_float(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(show_float(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(show_float(2.0 / 3.0), "0.6666666666666666");
    EXPECT_EQ(show_float(-1.0 / 3.0), "-0.3333333333333333");
}

TEST(DisplayFloat, ExtremeMagnitudes) {
    EXPECT_EQ(show_float(5e-324), zero_point(323, "5"));
    EXPECT_EQ(show_float(-5e-324), negated(zero_point(323, "5")));
    EXPECT_EQ(show_float(DBL_MIN), zero_point(307, "22250738585072014"));

    const std::string max = show_float(DBL_MAX);
    EXPECT_EQ(max.size(), 309u);
    EXPECT_EQ(max, with_zeros("17976931348623157", 292));
    EXPECT_EQ(show_float(-DBL_MAX), negated(max));
}

TEST(DisplayFloat, IntegralFloatLooksLikeTheNumber) {
    EXPECT_EQ(to_display_string(Value::floating(3.0)), to_display_string(Value::number(3)));
    EXPECT_EQ(to_display_string(Value::floating(-42.0)), to_display_string(Value::number(-42)));
}

TEST(DisplayFloat, AppendsToWhatIsThere) {
    std::string out = "x=";
    append_float(out, 2.5);
    append_float(out, -0.0);
    EXPECT_EQ(out, "x=2.5-0");
}

// ---------------------------------------------------------------------------
// Floats: properties over many doubles.

// Checks the shape of a finite float's text: an optional "-", then an
// integer part without leading zeros (or a single 0), then optionally "."
// and a fractional part not ending in 0. Returns a complaint or "".
std::string layout_problem(const std::string& text) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t int_start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    const std::size_t int_len = i - int_start;
    if (int_len == 0) return "no integer part";
    if (int_len > 1 && text[int_start] == '0') return "leading zero";
    if (i == text.size()) return "";
    if (text[i] != '.') return "unexpected character";
    ++i;
    const std::size_t frac_start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i != text.size()) return "unexpected character in fraction";
    if (i == frac_start) return "empty fraction";
    if (text.back() == '0') return "trailing zero in fraction";
    return "";
}

// The significant digits of a positional text: sign and point removed,
// leading and trailing zeros stripped.
std::string significant_digits(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    digits.erase(0, first);
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// The number of digits in the shortest round-trip form of d.
std::size_t shortest_digit_count(double d) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
    const char* e = static_cast<const char*>(std::memchr(buf, 'e', res.ptr - buf));
    const std::string mantissa(static_cast<const char*>(buf), e);
    return significant_digits(mantissa).size();
}

// Checks one double against every rule of the float form.
void check_float_text(double d) {
    const std::string text = show_float(d);
    if (std::isnan(d)) {
        EXPECT_EQ(text, "NaN");
        return;
    }
    if (std::isinf(d)) {
        EXPECT_EQ(text, d > 0 ? "inf" : "-inf");
        return;
    }
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    EXPECT_EQ(text[0] == '-', static_cast<bool>(std::signbit(d))) << text;
    const std::string problem = layout_problem(text);
    EXPECT_EQ(problem, "") << text;

    char* end = nullptr;
    const double back = std::strtod(text.c_str(), &end);
    EXPECT_EQ(end, text.c_str() + text.size()) << text;
    std::uint64_t want_bits = 0;
    std::uint64_t got_bits = 0;
    std::memcpy(&want_bits, &d, sizeof d);
    std::memcpy(&got_bits, &back, sizeof back);
    EXPECT_EQ(got_bits, want_bits) << "'" << text << "' does not read back as " << d;

    if (d != 0.0) {
        EXPECT_LE(significant_digits(text).size(), shortest_digit_count(d)) << text;
    }
    // An integral value has no fractional part.
    if (std::trunc(d) == d) {
        EXPECT_EQ(text.find('.'), std::string::npos) << text;
    }
}

TEST(DisplayFloatProperty, RandomBitPatternsReadBackExactly) {
    std::mt19937_64 rng(0x5EED'F10A'7D15'9A7ull);
    for (int i = 0; i < 200'000; ++i) {
        const std::uint64_t bits = rng();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        check_float_text(d);
        if (HasFailure()) {
            ADD_FAILURE() << "stopping after the first bad double (bits 0x" << std::hex << bits
                          << ")";
            return;
        }
    }
}

TEST(DisplayFloatProperty, PowersOfTenAndTheirNeighbours) {
    for (int e = -323; e <= 308; ++e) {
        const double p = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
        for (double d : {p, std::nextafter(p, 0.0), std::nextafter(p, kInf), -p, 2.5 * p,
                         9.999999999999999 * p}) {
            check_float_text(d);
        }
        if (HasFailure()) {
            ADD_FAILURE() << "stopping at 1e" << e;
            return;
        }
    }
}

TEST(DisplayFloatProperty, ShortDecimalsAndLargeIntegers) {
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<std::int64_t> mantissa(-999'999, 999'999);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<std::int64_t> big(-(std::int64_t{1} << 62),
                                                    std::int64_t{1} << 62);
    for (int i = 0; i < 50'000; ++i) {
        const std::string literal =
            std::to_string(mantissa(rng)) + "e" + std::to_string(exponent(rng));
        const double d = std::strtod(literal.c_str(), nullptr);
        check_float_text(d);
        // A literal with at most six significant digits needs no more.
        if (d != 0.0) {
            EXPECT_LE(significant_digits(show_float(d)).size(), 6u) << literal;
        }
        check_float_text(static_cast<double>(big(rng)));
        if (HasFailure()) {
            ADD_FAILURE() << "stopping at " << literal;
            return;
        }
    }
}

// ---------------------------------------------------------------------------
// The other kinds. Containers are displayed under a freshly reset stack
// guard, whatever earlier tests on this thread left behind.

class GuardReset : public testing::Test {
  protected:
    void SetUp() override { init_stack_guard(); }
};
using DisplayContainers = GuardReset;

TEST(DisplayScalars, NumbersBooleansAndNull) {
    EXPECT_EQ(to_display_string(Value::number(0)), "0");
    EXPECT_EQ(to_display_string(Value::number(-1)), "-1");
    EXPECT_EQ(to_display_string(Value::number(std::numeric_limits<std::int64_t>::min())),
              "-9223372036854775808");
    EXPECT_EQ(to_display_string(Value::number(std::numeric_limits<std::int64_t>::max())),
              "9223372036854775807");
    EXPECT_EQ(to_display_string(Value::boolean(true)), "true");
    EXPECT_EQ(to_display_string(Value::boolean(false)), "false");
    EXPECT_EQ(to_display_string(Value()), "null");
}

TEST(DisplayScalars, StringsAreBare) {
    EXPECT_EQ(to_display_string(Value::string("a b")), "a b");
    EXPECT_EQ(to_display_string(Value::string("")), "");
    EXPECT_EQ(to_display_string(Value::string("say \"hi\"\n\t\\")), "say \"hi\"\n\t\\");
    const std::string with_nul("x\0y", 3);
    EXPECT_EQ(to_display_string(Value::string(with_nul)), with_nul);
}

TEST(DisplayShapes, FieldsInTheirOwnTypes) {
    EXPECT_EQ(to_display_string(Value::rect({-5, 10, 20, 30})), "Rect(-5, 10, 20, 30)");
    EXPECT_EQ(to_display_string(Value::rect({-2147483647 - 1, 2147483647, 4294967295u, 0})),
              "Rect(-2147483648, 2147483647, 4294967295, 0)");
    EXPECT_EQ(to_display_string(Value::color({255, 0, 128})), "Color(255, 0, 128)");
    EXPECT_EQ(to_display_string(Value::color({0, 0, 0})), "Color(0, 0, 0)");
    EXPECT_EQ(to_display_string(Value::circle({-1, -2, 4294967295u})),
              "Circle(-1, -2, 4294967295)");
    EXPECT_EQ(to_display_string(Value::triangle({1, -2, 3, -4, 5, -2147483647 - 1})),
              "Triangle(1, -2, 3, -4, 5, -2147483648)");
}

TEST_F(DisplayContainers, Arrays) {
    EXPECT_EQ(to_display_string(arr({})), "[]");
    EXPECT_EQ(
        to_display_string(arr({Value::number(1), Value::string("a b"), Value::boolean(true)})),
        "[1, a b, true]");
    EXPECT_EQ(to_display_string(arr({arr({Value::number(1), Value::number(2)}), arr({})})),
              "[[1, 2], []]");
    EXPECT_EQ(to_display_string(arr({Value::function(std::make_shared<FunctionCode>())})),
              "[<function>]");
    EXPECT_EQ(to_display_string(arr({Value::floating(0.5), Value::floating(-0.0),
                                     Value::floating(kNaN), Value::floating(4.0), Value()})),
              "[0.5, -0, NaN, 4, null]");
    EXPECT_EQ(to_display_string(arr({Value::string(""), Value::string("")})), "[, ]");
    EXPECT_EQ(to_display_string(arr({Value::color({1, 2, 3})})), "[Color(1, 2, 3)]");
}

TEST_F(DisplayContainers, Dicts) {
    EXPECT_EQ(to_display_string(Value::dict(DictMap())), "{}");

    DictMap one;
    one.insert(Symbol("k"), Value::string("v"));
    EXPECT_EQ(to_display_string(Value::dict(one)), "{k: v}");

    DictMap nested;
    nested.insert(Symbol("inner"), Value::dict(one));
    nested.insert(Symbol("list"), arr({Value::number(1)}));
    const std::string text = to_display_string(Value::dict(nested));
    EXPECT_TRUE(text == "{inner: {k: v}, list: [1]}" || text == "{list: [1], inner: {k: v}}")
        << text;
}

TEST_F(DisplayContainers, DictEntriesInTheMapsOwnOrder) {
    DictMap map;
    for (int i = 0; i < 12; ++i)
        map.insert(Symbol("key" + std::to_string(i)), Value::number(i));
    std::string expected = "{";
    map.for_each([&](Symbol key, const Value& value) {
        if (expected.size() > 1) expected += ", ";
        expected += key.text() + ": " + std::to_string(value.as_number());
    });
    expected += "}";
    EXPECT_EQ(to_display_string(Value::dict(map)), expected);
}

TEST_F(DisplayContainers, AppendDisplayAppends) {
    std::string out = "<";
    append_display(out, arr({Value::number(1)}));
    append_display(out, Value::string(">"));
    EXPECT_EQ(out, "<[1]>");
}

// ---------------------------------------------------------------------------
// The stack guard: displaying a nest deeper than the stack allows stops the
// run (recording why) instead of overflowing; shallower nests display in
// full, and a reset guard lets the thread go on.

// Runs body on a new thread whose stack has the given size.
void run_on_thread(std::size_t stack_size, const std::function<void()>& body) {
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, stack_size), 0);
    pthread_t thread;
    auto entry = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    const int rc = pthread_create(&thread, &attr, entry, const_cast<std::function<void()>*>(&body));
    pthread_attr_destroy(&attr);
    ASSERT_EQ(rc, 0);
    pthread_join(thread, nullptr);
}

// "[[[...1...]]]" with the given number of brackets on each side.
std::string bracketed(int levels) {
    return std::string(static_cast<std::size_t>(levels), '[') + "1" +
           std::string(static_cast<std::size_t>(levels), ']');
}

// What displaying v on a freshly guarded thread does: its full text, or
// "stopped: " and the recorded message. The guard is reset afterwards.
std::string display_guarded(const Value& v) {
    init_stack_guard();
    const std::string text = to_display_string(v);
    const char* stop = stop_message();
    std::string result = stop != nullptr ? std::string("stopped: ") + stop : text;
    init_stack_guard();
    return result;
}

const std::string kStopped = std::string("stopped: ") + kRecursionMessage;

TEST(StackGuard, DeepNestStopsOnTheTestThread) {
    const Value deep = nested_arrays(1'000'000);
    EXPECT_EQ(display_guarded(deep), kStopped);
    EXPECT_EQ(stop_message(), nullptr) << "resetting the guard clears the stop";
    EXPECT_EQ(display_guarded(nested_arrays(1000)), bracketed(1000));
}

TEST(StackGuard, StopIsRecordedOnceAndHoldsUntilReset) {
    init_stack_guard();
    EXPECT_EQ(stop_message(), nullptr);
    stop_run(kOutOfMemoryMessage);
    stop_run(kRecursionMessage);
    EXPECT_STREQ(stop_message(), kOutOfMemoryMessage) << "the first message is kept";
    // Every later check fails, however shallow: display gives up at once.
    EXPECT_NE(to_display_string(nested_arrays(3)), bracketed(3));
    EXPECT_NE(to_display_string(nested_arrays(1)), bracketed(1));
    EXPECT_STREQ(stop_message(), kOutOfMemoryMessage);
    init_stack_guard();
    EXPECT_EQ(stop_message(), nullptr);
    EXPECT_EQ(to_display_string(nested_arrays(3)), bracketed(3));
}

TEST(StackGuard, DeepNestStopsOnASmallThreadStack) {
    const Value deep = nested_arrays(1'000'000);
    const Value shallow = nested_arrays(1000);
    std::string deep_result;
    std::string shallow_result;
    run_on_thread(std::size_t{8} << 20, [&] {
        deep_result = display_guarded(deep);
        shallow_result = display_guarded(shallow);
    });
    EXPECT_EQ(deep_result, kStopped);
    EXPECT_EQ(shallow_result, bracketed(1000));
}

TEST(StackGuard, StopOnOneThreadLeavesOthersRunning) {
    init_stack_guard();
    const Value deep = nested_arrays(1'000'000);
    const char* other_thread_stop = nullptr;
    run_on_thread(std::size_t{2} << 20, [&] {
        init_stack_guard();
        to_display_string(deep);
        other_thread_stop = stop_message();
    });
    EXPECT_STREQ(other_thread_stop, kRecursionMessage);
    EXPECT_EQ(stop_message(), nullptr);
    EXPECT_EQ(to_display_string(nested_arrays(5)), bracketed(5));
}

TEST(StackGuard, DeepDictNestStops) {
    Value v = Value::number(0);
    for (int i = 0; i < 100'000; ++i) {
        DictMap map;
        map.insert(Symbol("d"), std::move(v));
        v = Value::dict(std::move(map));
    }
    std::string result;
    run_on_thread(std::size_t{2} << 20, [&] { result = display_guarded(v); });
    EXPECT_EQ(result, kStopped);
}

#if defined(__SANITIZE_ADDRESS__)
#define QUILLO_NO_CONTEXT_SWITCH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLO_NO_CONTEXT_SWITCH 1
#endif
#endif

#ifndef QUILLO_NO_CONTEXT_SWITCH
// A stack switched to by hand is invisible to the thread library; once it
// is registered, the guard protects it.
struct ContextRun {
    ucontext_t caller{};
    ucontext_t callee{};
    const char* low = nullptr;
    std::size_t size = 0;
    const Value* deep = nullptr;
    const Value* shallow = nullptr;
    std::string deep_result;
    std::string shallow_result;
};

ContextRun* g_run = nullptr;

void context_body() {
    register_stack(g_run->low, g_run->size);
    g_run->deep_result = display_guarded(*g_run->deep);
    g_run->shallow_result = display_guarded(*g_run->shallow);
    register_stack(nullptr, 0);
}

TEST(StackGuard, RegisteredStackIsGuarded) {
    constexpr std::size_t kSize = std::size_t{8} << 20;
    void* stack = mmap(nullptr, kSize, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    ASSERT_NE(stack, MAP_FAILED);
    mprotect(stack, 4096, PROT_NONE);
    const Value deep = nested_arrays(1'000'000);
    const Value shallow = nested_arrays(3000);
    ContextRun run;
    run.low = static_cast<const char*>(stack) + 4096;
    run.size = kSize - 4096;
    run.deep = &deep;
    run.shallow = &shallow;
    g_run = &run;
    getcontext(&run.callee);
    run.callee.uc_stack.ss_sp = stack;
    run.callee.uc_stack.ss_size = kSize;
    run.callee.uc_link = &run.caller;
    makecontext(&run.callee, context_body, 0);
    swapcontext(&run.caller, &run.callee);
    g_run = nullptr;
    munmap(stack, kSize);
    init_stack_guard();
    EXPECT_EQ(run.deep_result, kStopped);
    EXPECT_EQ(run.shallow_result, bracketed(3000));
}
#endif

} // namespace
} // namespace quillo
