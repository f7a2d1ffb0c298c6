# Empty lines and lines of white space only (Unicode white space included)
# prompt again with the same prompt and change nothing.
# args:
# stdin:
# stdin:    \t
# stdin: print([
# stdin:
# stdin: \xe2\x80\x83
# stdin: 1, 2])
# stdin: \xc2\x85
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> >>> >>> ... ... ... [1, 2]
# expect: >>> >>>\x20
# no-final-newline
