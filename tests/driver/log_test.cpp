#include "driver/log.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(FormatMs, ThreeDecimalsRoundedLikePrintf) {
    EXPECT_EQ(format_ms(0.0), "0.000ms");
    // 0.4125 is stored just below itself, so it rounds down; rounding the
    // decimal text half-up would give 0.413.
    EXPECT_EQ(format_ms(0.4125), "0.412ms");
    EXPECT_EQ(format_ms(0.0005), "0.001ms");
    EXPECT_EQ(format_ms(0.9996), "1.000ms");
    EXPECT_EQ(format_ms(1234.5675), "1234.568ms");
    EXPECT_EQ(format_ms(86400000.0), "86400000.000ms")
        << "long runs are not cut or switched to exponents";
}

// The stopwatch and std::chrono::steady_clock read the same monotonic clock,
// so every reading must lie between the steady-clock times taken around the
// stopwatch's start and around the reading itself.
class Bracketed {
  public:
    Bracketed() : before_start_(now()), clock_(), after_start_(now()) {}

    // Reads the stopwatch and checks it against the bracket; returns it.
    double read() const {
        const auto before = now();
        const double ms = clock_.elapsed_ms();
        const auto after = now();
        EXPECT_GE(ms, to_ms(before - after_start_) - kSlack);
        EXPECT_LE(ms, to_ms(after - before_start_) + kSlack);
        return ms;
    }

  private:
    using Steady = std::chrono::steady_clock;
    static constexpr double kSlack = 1e-6; // double rounding of the conversion
    static Steady::time_point now() { return Steady::now(); }
    static double to_ms(Steady::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    }

    Steady::time_point before_start_;
    Stopwatch clock_;
    Steady::time_point after_start_;
};

TEST(Stopwatch, MeasuresMilliseconds) {
    const Bracketed clock;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(clock.read(), 20.0 - 1e-6);
}

TEST(Stopwatch, NonNegativeNonDecreasingAndExactAcrossSecondBoundaries) {
    // Readings over a little more than one second: the clock's nanosecond
    // field wraps at least once against the start's, which is where a wrong
    // borrow between seconds and nanoseconds would show.
    const Bracketed clock;
    double previous = 0.0;
    double now = 0.0;
    do {
        now = clock.read();
        ASSERT_GE(now, previous);
        previous = now;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    } while (now < 1100.0 && !::testing::Test::HasFailure());
}

} // namespace
} // namespace quillo
