// The answers to --help and --version.
#pragma once

#include <string>

namespace quillo {

// The usage text: the two ways to start, every switch, the exit statuses
// and where the guide is.
std::string usage_text();

// "quillo " and the version, with a line end.
std::string version_text();

} // namespace quillo
