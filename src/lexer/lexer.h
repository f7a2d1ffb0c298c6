// The lexer: one forward pass from program text to tokens.
#pragma once

#include <span>
#include <string_view>

#include "lexer/token.h"

namespace quillo {

// Turns program text (UTF-8) into tokens. Never fails: unrecognised characters
// are skipped, an unterminated string or block comment runs to the end of the
// text, and the result always ends with exactly one Eof token.
//
// Malformed UTF-8 (which the driver rejects before calling this, but other
// callers may pass) is read as U+FFFD, which never begins or continues an
// identifier: it is skipped where a token would begin and ends an identifier.
// Inside a string literal the bytes are kept as they are.
TokenList tokenize(std::string_view text);

// The text of every keyword, for tools that offer them (the prompt's
// completion).
std::span<const std::string_view> keyword_texts();

} // namespace quillo
