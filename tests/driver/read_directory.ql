# A directory named like a script cannot be read as one.
# args: data/dir.ql
# expect-stderr: Error: Failed to read the file: Is a directory
# exit: 1
