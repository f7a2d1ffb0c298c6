# A file named "ql" has no extension.
# args: data/ql
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
