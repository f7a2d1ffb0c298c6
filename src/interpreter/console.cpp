#include "interpreter/console.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
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

bool read_line(std::string& line) {
    line.clear();
    char* buffer = nullptr;
    std::size_t capacity = 0;
    // Each read is a fresh attempt: an earlier failure (a read cut short by
    // an interrupt, or the end of a terminal's input after Ctrl-D) does not
    // stick to the stream.
    std::clearerr(stdin);
    const ssize_t got = getline(&buffer, &capacity, stdin);
    const std::unique_ptr<char, void (*)(void*)> owner(buffer, &std::free);
    // A failed allocation inside getline is a failed read, like any other.
    if (got < 0) return false;
    line.assign(buffer, static_cast<std::size_t>(got));
    return true;
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
