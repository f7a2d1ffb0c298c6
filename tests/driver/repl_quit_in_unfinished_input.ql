# The exit words are checked before any bracket counting: they end the loop
# in the middle of an unfinished input, whose lines are dropped.
# args:
# stdin: def f() {
# stdin:   print("in f")
# stdin: \xe3\x80\x80quit\xc2\xa0
# stdin: }
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> ... ... Goodbye!
