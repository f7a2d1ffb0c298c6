#include "driver/usage.h"

// The build passes the project's version (CMake's project version) to this
// file alone.
#ifndef QUILLO_VERSION
#define QUILLO_VERSION "unknown"
#endif

namespace quillo {

std::string usage_text() {
    return "Usage: quillo [-v] SCRIPT.ql   run a script (its name must end in .ql)\n"
           "       quillo [-v]             type code at the >>> prompt; 'exit', 'quit'\n"
           "                               or Ctrl-D ends it, Ctrl-C stops what runs\n"
           "\n"
           "Switches (before or after the script):\n"
           "  -v, --verbose   log each phase and its time on standard error\n"
           "  --fps N         show at most N frames a second in a window (60 unless\n"
           "                  set; 0 shows each frame at once)\n"
           "  -h, --help      show this help and end\n"
           "      --version   show the version and end\n"
           "\n"
           "Exit status:\n"
           "  0       the script ran, whatever happened inside it; the prompt ended\n"
           "  1       not a .ql path, a bad --fps, the file could not be read, or\n"
           "          the program is nested too deeply or too large for memory\n"
           "  128+N   stopped by signal N (130 for Ctrl-C, 143 for SIGTERM)\n"
           "\n"
           "The language guide is docs/language.md beside the sources, and\n"
           "share/doc/quillo/language.md where quillo is installed (with the\n"
           "examples); `man quillo` says the same as this.\n";
}

std::string version_text() {
    return "quillo " QUILLO_VERSION "\n";
}

} // namespace quillo
