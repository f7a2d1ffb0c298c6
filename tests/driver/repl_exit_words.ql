# "exit" and "quit" end the loop with a farewell, also with white space
# around them; other spellings are program text (here an undefined name,
# which does nothing).
# args:
# stdin: Exit
# stdin: QUIT
# stdin: exit()
# stdin: \t  exit \r
# stdin: print("never run")
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> >>> >>> >>> Goodbye!
