// The script's console streams.
//
// Standard output is buffered (fully when it is a file or pipe, by line on a
// terminal) and flushed before anything is written to standard error and at
// the end of the process, so that a person watching sees output and
// diagnostics in the order they were produced.
#pragma once

#include <string_view>

namespace quillo {

// Writes to standard output (buffered).
void write_output(std::string_view text);

// Flushes standard output.
void flush_output();

// Writes a diagnostic to standard error, flushing standard output first.
void write_diagnostic(std::string_view text);

// Gives standard output a large buffer when it is not a terminal. Call
// before anything is written.
void configure_output();

} // namespace quillo
