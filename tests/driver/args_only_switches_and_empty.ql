# Switches and empty arguments only: still no script, so the interactive
# loop starts, without any log line.
# args: --verbose '' -v ''
# stdin: print("hi")
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> hi
# expect: >>>\x20
# no-final-newline
