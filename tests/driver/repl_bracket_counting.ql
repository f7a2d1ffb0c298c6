# Brackets are counted character by character, inside texts and comments
# too. Counters may go below zero: the prompt then stays "... ", every line
# is run at once while no counter is above zero, and a later opening bracket
# only brings the counter back towards zero.
# args:
# stdin: print("(")
# stdin: )
# stdin: print(1) # {
# stdin: }
# stdin: )
# stdin: print(2)
# stdin: ( print(3)
# stdin: print(4)
# stdin: (
# stdin: print(5)
# stdin: )
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> ... (
# expect: >>> ... 1
# expect: >>> ... 2
# expect: ... 3
# expect: >>> 4
# expect: >>> ... ... 5
# expect: >>>\x20
# no-final-newline
