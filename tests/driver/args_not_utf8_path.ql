# A path that is not valid UTF-8 is passed to the file system as it is.
# args: '\xff\xfe.ql'
# expect-stderr: Error: Failed to read the file: No such file or directory
# exit: 1
