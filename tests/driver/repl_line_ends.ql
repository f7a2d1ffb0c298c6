# Carriage returns are white space; a last line without a line feed is
# still run before the loop ends quietly.
# args:
# stdin: print("crlf")\r
# stdin-raw: print("no line feed")
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> crlf
# expect: >>> no line feed
# expect: >>>\x20
# no-final-newline
