# Without arguments there is no script: the interactive loop starts, and at
# the end of the (empty) input it ends quietly with status 0.
# args:
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>>\x20
# no-final-newline
