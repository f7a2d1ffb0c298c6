#include "driver/script_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <unicode/utf8.h>

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

bool is_valid_utf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        // Skip ASCII quickly, eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t w;
            std::memcpy(&w, s + i, 8);
            if (w & 0x8080808080808080ull) break;
            i += 8;
        }
        if (i >= n) break;
        if (s[i] < 0x80) {
            ++i;
            continue;
        }
        // Decode one multi-byte sequence; ICU reports malformed input as a
        // negative code point. Offsets are handled in chunks below 2^31.
        const std::size_t chunk = std::min<std::size_t>(n - i, 4);
        std::int32_t j = 0;
        UChar32 c;
        U8_NEXT(s + i, j, static_cast<std::int32_t>(chunk), c);
        if (c < 0) return false;
        i += static_cast<std::size_t>(j);
    }
    return true;
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
