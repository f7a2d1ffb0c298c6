// Script mode: load, tokenize, parse and run one script, with the verbose log
// and timing report.
#pragma once

#include "driver/options.h"

namespace quillo {

// Runs the script named by the options and returns the process exit status:
// 1 after a driver error (wrong extension, unreadable file), else 0.
int run_script(const Options& options);

// The whole program behind main(): argument scan, then script mode or the
// interactive loop. Returns the exit status.
int driver_main(const Options& options);

} // namespace quillo
