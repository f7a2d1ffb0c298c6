// Loading a script file: the extension rule and reading the text.
#pragma once

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

// Reads the whole file. On success returns the text, which is guaranteed to
// be valid UTF-8; otherwise sets `error` to a description of the failure (the
// system's own wording for I/O errors) and returns nothing.
std::optional<std::string> read_script(const std::string& path, std::string& error);

} // namespace quillo
