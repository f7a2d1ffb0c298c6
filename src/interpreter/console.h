// The script's console streams.
//
// Standard output is buffered (fully when it is a file or pipe, by line on a
// terminal) and flushed before anything is written to standard error and at
// the end of the process, so that a person watching sees output and
// diagnostics in the order they were produced.
#pragma once

#include <string>
#include <string_view>

namespace quillo {

// Writes to standard output (buffered).
void write_output(std::string_view text);

// Flushes standard output.
void flush_output();

// Writes a diagnostic to standard error, flushing standard output first.
void write_diagnostic(std::string_view text);

// Reads one line of standard input into `line`, its line end included.
// False at the end of the input or when reading fails. The interactive loop
// and `input` share the one buffered standard input, so each reads the line
// that follows the other's.
bool read_line(std::string& line);

// Gives standard output a large buffer when it is not a terminal. Call
// before anything is written.
void configure_output();

} // namespace quillo
