# Only "-v" and "--verbose" exactly are the switch: "-V" is a plain
# argument, and as the first one it becomes the path.
# args: -V {script}
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
