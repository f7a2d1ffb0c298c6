# Empty arguments are not paths: the first non-empty argument is.
# args: '' missing.ql ''
# expect-stderr: Error: Failed to read the file: No such file or directory
# exit: 1
