# An input is complete when no bracket is left open; the lines before are
# collected with the continuation prompt and run together, joined by line
# feeds (so a comment on one line does not swallow the next).
# args:
# stdin: def greet(name) {
# stdin:   # a comment ends at its line
# stdin:   print(concat("hello, ", name))
# stdin: }
# stdin: greet("you")
# stdin: let xs = [1,
# stdin:   2, (3
# stdin:   + 4)]
# stdin: print(xs)
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> ... ... ... >>> hello, you
# expect: >>> ... ... >>> [1, 2, 7]
# expect: >>>\x20
# no-final-newline
