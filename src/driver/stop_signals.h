// Ending a script run on SIGINT, SIGTERM and SIGHUP without losing output.
//
// Standard output to a file or pipe is buffered. Killed by the default
// action of a signal, the process would lose up to a buffer's worth of
// what the script printed. While a StopSignals object lives, each of the
// three signals instead stops the run the way running out of stack does;
// the driver then flushes the output and ends with 128 plus the signal's
// number (130, 143, 129), the status a shell shows for a program ended by
// that signal. A second signal of the same kind takes its default action at
// once, so a run that does not stop (blocked in a library call) can still
// be ended.
#pragma once

namespace quillo {

class StopSignals {
  public:
    // Installs the handlers. The thread that constructs the object is the
    // one whose run is stopped.
    StopSignals();
    // Restores the handlers that were there before.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The number of the first signal received, or 0.
    static int received();
};

} // namespace quillo
