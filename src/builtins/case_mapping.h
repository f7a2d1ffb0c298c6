// Full Unicode case mapping of UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillo {

// The full upper-case and lower-case mappings of the language-neutral
// locale: one character may become several ("ß" becomes "SS"), and a
// capital sigma at the end of a word lowers to the final small sigma.
// Malformed bytes (which no text of the language holds) are kept as they
// are.
//
// ICU maps at most 2^31 bytes at once, so longer texts are mapped in pieces
// of about `piece_bytes`, cut just after a blank or line feed where there
// is one (see case_mapping.cpp).
inline constexpr std::size_t kCasePieceBytes = std::size_t{1} << 28;
std::string to_upper_text(std::string_view text, std::size_t piece_bytes = kCasePieceBytes);
std::string to_lower_text(std::string_view text, std::size_t piece_bytes = kCasePieceBytes);

} // namespace quillo
