#include "interpreter/console.h"

#include <cstdio>
#include <unistd.h>

namespace quillo {

void write_output(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void flush_output() {
    std::fflush(stdout);
}

void write_diagnostic(std::string_view text) {
    std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void configure_output() {
    // A terminal keeps the C library's line buffering, so each printed line
    // shows as soon as it is complete; files and pipes get a large buffer.
    if (!isatty(STDOUT_FILENO)) {
        static char buffer[1 << 16];
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    }
}

} // namespace quillo
