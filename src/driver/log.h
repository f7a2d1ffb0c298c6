// The verbose progress log and the monotonic stopwatch behind its timings.
#pragma once

#include <string>
#include <string_view>

#include <time.h>

namespace quillo {

// The separator line of the log: 33 box-drawing horizontals (U+2500).
inline constexpr std::string_view kLogSeparator =
    "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500"
    "\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500\u2500"
    "\u2500\u2500\u2500";

// Writes log lines to standard error, only when verbose. Each line is the
// coloured "[QUILLO]" prefix, the text and a line feed. Standard output is
// flushed first, so that on a shared terminal the log and the script's own
// output appear in the order they were produced.
class Log {
  public:
    explicit Log(bool verbose) : verbose_(verbose) {}
    bool verbose() const { return verbose_; }
    void line(std::string_view text) const;
    void separator() const { line(kLogSeparator); }

  private:
    bool verbose_;
};

// A duration in milliseconds as the log writes it: three decimals and the
// unit, e.g. "0.412ms".
std::string format_ms(double ms);

// Milliseconds elapsed on the monotonic clock since construction, computed
// as (seconds + nanoseconds / 1e9) * 1000 in double precision.
class Stopwatch {
  public:
    Stopwatch();
    double elapsed_ms() const;

  private:
    timespec start_;
};

// Writes a diagnostic line to standard error after flushing standard output.
void write_error(std::string_view text);

} // namespace quillo
