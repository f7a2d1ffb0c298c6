// Loading a script file: the extension rule and reading the text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillo {

// True when the path's file name has the extension ".ql" exactly. The file
// name is the last component of the path ("." components and trailing
// slashes are not components; a last component of ".." is no file name).
// The extension is the text after the last "." of the file name; a name with
// no "." or whose only "." is its first character has none. The file system
// is not consulted.
bool has_ql_extension(std::string_view path);

// The largest script read, 256 MiB. Scripts are written by people and
// are far smaller; the limit keeps the loader from reading an endless input
// (a character device, a FIFO that never ends) for ever, and leaves room
// in memory for the tokens and the tree, which take several times the
// text's size.
inline constexpr std::size_t kMaxScriptBytes = std::size_t{256} << 20;

// Reads the whole file. On success returns the text, which is guaranteed to
// be valid UTF-8; otherwise sets `error` to a description of the failure (the
// system's own wording for I/O errors) and returns nothing. A file longer than kMaxScriptBytes
// fails with the system's wording for EFBIG, one that does not fit in memory with ENOMEM's.
std::optional<std::string> read_script(const std::string& path, std::string& error);

} // namespace quillo
