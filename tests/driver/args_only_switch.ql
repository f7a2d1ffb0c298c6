# The switch alone names no script: no log line is written.
# args: -v
