#include "driver/log.h"

#include <cstdio>
#include <ctime>

namespace quillo {

namespace {

constexpr std::string_view kPrefix = "\x1b[33m[\x1b[93mQUILLO\x1b[33m]\x1b[0m ";

timespec monotonic_now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts;
}

} // namespace

void Log::line(std::string_view text) const {
    if (!verbose_) return;
    std::string out;
    out.reserve(kPrefix.size() + text.size() + 1);
    out += kPrefix;
    out += text;
    out += '\n';
    write_error(out);
}

std::string format_ms(double ms) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3fms", ms);
    return buf;
}

Stopwatch::Stopwatch() : start_(monotonic_now()) {}

double Stopwatch::elapsed_ms() const {
    const timespec now = monotonic_now();
    long long secs = static_cast<long long>(now.tv_sec) - static_cast<long long>(start_.tv_sec);
    long long nanos = static_cast<long long>(now.tv_nsec) - static_cast<long long>(start_.tv_nsec);
    if (nanos < 0) {
        nanos += 1000000000;
        secs -= 1;
    }
    return (static_cast<double>(secs) + static_cast<double>(nanos) / 1000000000.0) * 1000.0;
}

void write_error(std::string_view text) {
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

} // namespace quillo
