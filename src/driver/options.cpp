#include "driver/options.h"

#include <string_view>

namespace quillo {

namespace {

// A whole number of frames a second from 0 to kMaxFrameRate, digits only
// (at most four of them, so the value cannot overflow).
bool read_fps(std::string_view text, std::uint32_t& fps) {
    if (text.empty() || text.size() > 4) return false;
    std::uint32_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (v > kMaxFrameRate) return false;
    fps = v;
    return true;
}

} // namespace

Options parse_options(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--fps") {
            if (i + 1 >= args.size() || !read_fps(args[i + 1], o.fps)) o.bad_fps = true;
            ++i;
        } else if (a.starts_with("--fps=")) {
            if (!read_fps(std::string_view(a).substr(6), o.fps)) o.bad_fps = true;
        } else if (a == "--verbose" || a == "-v") {
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
