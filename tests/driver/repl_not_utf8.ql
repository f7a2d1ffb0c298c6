# A line that is not UTF-8 text is a failed read: the loop ends quietly
# with status 0 and reads nothing more.
# args:
# stdin: print(1)
# stdin: print("\xff")
# stdin: print(2)
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> 1
# expect: >>>\x20
# no-final-newline
