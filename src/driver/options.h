// The command line: the verbose switch and the script path.
#pragma once

#include <string>
#include <vector>

namespace quillo {

struct Options {
    bool verbose = false;
    std::string script_path; // empty: no script, start the interactive loop
};

// Scans the arguments after the program's own name. "--verbose" and "-v"
// (exactly) set verbose, anywhere and any number of times; the first other
// argument that is not empty is the script path; later ones are ignored.
//
// Arguments are taken as the bytes the system passed, whether or not they are
// valid UTF-8: a path is a byte string to the file system, so a script whose
// name is not valid UTF-8 can still be run, and nothing here decodes them.
Options parse_options(const std::vector<std::string>& args);

} // namespace quillo
