# The loop and input share standard input: input reads the line after the
# one being run, and its prompt appears in order with the loop's.
# args:
# stdin: let name = input("name? ")
# stdin:   Ada  
# stdin: print(concat("[", name, "]"))
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> name? >>> [Ada]
# expect: >>>\x20
# no-final-newline
