# Diagnostics go to standard error after everything printed so far, and the
# loop simply prompts again; a run that is stopped ends only its input.
# args:
# stdin: print(1 / 0)
# stdin: def deep(n) { return deep(n + 1) }
# stdin: deep(0) print("not reached")
# stdin: print("still here")
# timeout: 120
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> 0
# expect: >>> >>> >>> still here
# expect: >>>\x20
# no-final-newline
# expect-stderr: Error: division by zero
# expect-stderr: Error: recursion too deep
# expect-both: Welcome to Quillo Interactive REPL!
# expect-both: Type 'exit' to quit.
# expect-both:
# expect-both: >>> Error: division by zero
# expect-both: 0
# expect-both: >>> >>> Error: recursion too deep
# expect-both: >>> still here
# expect-both: >>>\x20
