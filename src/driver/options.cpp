#include "driver/options.h"

namespace quillo {

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    for (const std::string& a : args) {
        if (a == "--verbose" || a == "-v") {
            o.verbose = true;
        } else if (o.script_path.empty()) {
            o.script_path = a;
        }
    }
    return o;
}

} // namespace quillo
