# The switch alone names no script: the interactive loop starts and no log
# line is written.
# args: -v
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>>\x20
# no-final-newline
