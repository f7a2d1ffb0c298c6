# This script ends in the middle of a three-byte UTF-8 sequence (the first
# two bytes of U+2500, at the end of the last line).
# expect-stderr: Error: Failed to read the file: the file is not valid UTF-8 text
# exit: 1
# here: â”