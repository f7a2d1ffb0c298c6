# One interpreter serves every input: variables and functions persist. No
# definition is hoisted and no main is called by the loop.
# args:
# stdin: print(later())
# stdin: def later() { return "defined" }
# stdin: print(later())
# stdin: let count = 1
# stdin: count += 1
# stdin: def main() { print("main runs only when called") }
# stdin: print(count)
# stdin: main()
# stdin: 1 + 2
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> null
# expect: >>> >>> defined
# expect: >>> >>> >>> >>> 2
# expect: >>> main runs only when called
# expect: >>> >>>\x20
# no-final-newline
