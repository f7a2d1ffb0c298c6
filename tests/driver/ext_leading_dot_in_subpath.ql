# The rule looks at the last path component only: "./.ql" names the file
# ".ql", which has no extension, although the whole path has a dot before
# "ql" that is not its first character.
# args: ./.ql
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
