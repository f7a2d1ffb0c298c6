// UTF-8 text: validation, character boundaries and white space.
//
// Texts in the language are UTF-8. A character is a Unicode scalar value;
// the built-ins that count characters step over them with next_char_end.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillo {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// values beyond U+10FFFF).
bool is_valid_utf8(std::string_view bytes);

// The end of the character that starts at `pos` (pos < text.size()): the
// position after its lead byte and the continuation bytes that follow. On
// well-formed text that is exactly one scalar value; stray bytes in
// malformed text group with the character before them, so no step ever
// splits a well-formed character.
inline std::size_t next_char_end(std::string_view text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0u) == 0x80u)
        ++pos;
    return pos;
}

// The text without its leading and trailing Unicode white space (the
// White_Space property: blanks, tabs, line ends, the no-break space, the
// ideographic space, ...).
std::string_view trim_white_space(std::string_view text);

} // namespace quillo
