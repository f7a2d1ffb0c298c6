// The command line: the verbose switch and the script path.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/frame_pacing.h"

namespace quillo {

// What the first plain argument asks for, when it is not a script path.
enum class Request { Run, Help, Version };

struct Options {
    bool verbose = false;
    std::string script_path; // empty: no script, start the interactive loop
    Request request = Request::Run;
    // Frames a second for windows (0: no pacing), from "--fps N" or
    // "--fps=N" anywhere on the line.
    std::uint32_t fps = kDefaultFrameRate;
    // "--fps" without a whole number from 0 to kMaxFrameRate after it.
    bool bad_fps = false;
};

// Scans the arguments after the program's own name. "--verbose" and "-v"
// (exactly) set verbose, anywhere and any number of times; the first other
// argument that is not empty is the script path; later ones are ignored.
//
// "--fps" takes the next argument as its value (or the text after
// "--fps="), wherever it stands. It was never a .ql path, so a script run
// without it means what it meant.
//
// "--help", "-h" and "--version" are answered when they stand where the
// script path would be taken from (the first plain argument that is not
// empty): none of them is a .ql path, so there they could only have ended
// with "Error: Only .ql files are allowed.". After a path they are ignored
// like any later argument, so `quillo game.ql --help` still runs the game.
//
// Arguments are taken as the bytes the system passed, whether or not they are
// valid UTF-8: a path is a byte string to the file system, so a script whose
// name is not valid UTF-8 can still be run, and nothing here decodes them.
Options parse_options(const std::vector<std::string>& args);

} // namespace quillo
