// Start-up care for the three standard descriptors.
#pragma once

namespace quillo {

// Opens /dev/null on any of descriptors 0, 1 and 2 that is closed (a
// program started as `quillo s.ql >&-`). Otherwise the next file opened
// would take the free number: the display connection, say, would become
// "standard output", and `print` would write script text into it. Call
// before anything else opens a file.
void ensure_standard_streams();

} // namespace quillo
