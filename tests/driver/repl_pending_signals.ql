# Pending control signals carry over from one input to the next: a
# top-level return or break stays pending, later statements still run, but
# every block entered stops after its first statement until a function call
# (for a return) or a loop (for a break) consumes the signal.
# args:
# stdin: return 5
# stdin: print(1)
# stdin: if true { print(2) print(3) }
# stdin: def f() { print("f1") print("f2") }
# stdin: f()
# stdin: if true { print(4) print(5) }
# stdin: break
# stdin: if true { print(6) print(7) }
# stdin: while true { print(8) }
# stdin: if true { print(9) print(10) }
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> >>> 1
# expect: >>> 2
# expect: >>> >>> f1
# expect: >>> 4
# expect: 5
# expect: >>> >>> 6
# expect: >>> 8
# expect: >>> 9
# expect: 10
# expect: >>>\x20
# no-final-newline
