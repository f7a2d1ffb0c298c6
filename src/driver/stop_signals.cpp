#include "driver/stop_signals.h"

#include <pthread.h>
#include <signal.h>

#include <array>

#include "interpreter/stack_guard.h"

namespace quillo {

namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

volatile sig_atomic_t first_signal = 0;
pthread_t run_thread;
std::array<struct sigaction, kSignals.size()> previous{};

void on_signal(int signal) {
    // The signal may reach another thread (with the sanitizers the run is
    // on a thread of its own); the stop belongs to the run's thread.
    if (!pthread_equal(pthread_self(), run_thread)) {
        pthread_kill(run_thread, signal);
        return;
    }
    if (first_signal == 0) first_signal = signal;
    // The next one of its kind ends the process.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    stop_run(kQuietStop);
}

} // namespace

StopSignals::StopSignals() {
    run_thread = pthread_self();
    first_signal = 0;
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        sigaddset(&action.sa_mask, signal);
    // No SA_RESTART: a script waiting in `input` gets a failed read and the
    // run notices the stop.
    action.sa_flags = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &previous[i]);
}

StopSignals::~StopSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &previous[i], nullptr);
}

int StopSignals::received() {
    return first_signal;
}

} // namespace quillo
