#include "driver/script_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "lexer/utf8.h"

namespace quillo {

bool has_ql_extension(std::string_view path) {
    // Find the last component that is neither empty nor ".".
    std::string_view name;
    std::size_t end = path.size();
    while (end > 0) {
        std::size_t slash = path.rfind('/', end - 1);
        std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
        std::string_view comp = path.substr(start, end - start);
        if (!comp.empty() && comp != ".") {
            name = comp;
            break;
        }
        if (slash == std::string_view::npos) break;
        end = slash;
    }
    if (name.empty() || name == "..") return false;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return false;
    return name.substr(dot) == ".ql";
}

std::optional<std::string> read_script(const std::string& path, std::string& error) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buf[1 << 16];
    for (;;) {
        std::size_t got = std::fread(buf, 1, sizeof buf, f.get());
        text.append(buf, got);
        if (got < sizeof buf) {
            if (std::ferror(f.get())) {
                error = std::strerror(errno);
                return std::nullopt;
            }
            break;
        }
    }
    if (!is_valid_utf8(text)) {
        error = "the file is not valid UTF-8 text";
        return std::nullopt;
    }
    return text;
}

} // namespace quillo
