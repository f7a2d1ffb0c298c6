# The first path is the script even when a later one would work.
# args: missing.ql {script}
# expect-stderr: Error: Failed to read the file: No such file or directory
# exit: 1
