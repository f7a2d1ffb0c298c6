#include "driver/options.h"

namespace quillo {

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    for (const std::string& a : args) {
        if (a == "--verbose" || a == "-v") {
            o.verbose = true;
        } else if (o.script_path.empty() && o.request == Request::Run) {
            if (a == "--help" || a == "-h") {
                o.request = Request::Help;
            } else if (a == "--version") {
                o.request = Request::Version;
            } else {
                o.script_path = a;
            }
        }
    }
    return o;
}

} // namespace quillo
