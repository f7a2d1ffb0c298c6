#include "lexer/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace quillo {

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

std::string_view trim_white_space(std::string_view text) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end) {
        // Offsets stay below 2^31: at most four bytes are decoded at a time.
        const std::size_t chunk = std::min<std::size_t>(end - begin, 4);
        std::int32_t j = 0;
        UChar32 c;
        U8_NEXT(s + begin, j, static_cast<std::int32_t>(chunk), c);
        if (c < 0 || !u_isUWhiteSpace(c)) break;
        begin += static_cast<std::size_t>(j);
    }
    while (end > begin) {
        const std::size_t chunk = std::min<std::size_t>(end - begin, 4);
        const std::uint8_t* base = s + end - chunk;
        auto j = static_cast<std::int32_t>(chunk);
        UChar32 c;
        U8_PREV(base, 0, j, c);
        if (c < 0 || !u_isUWhiteSpace(c)) break;
        end -= chunk - static_cast<std::size_t>(j);
    }
    return text.substr(begin, end - begin);
}

} // namespace quillo
