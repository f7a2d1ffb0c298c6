# Recursion without end that passes through built-in arguments, array
# literals and match patterns stops the run the same way: "Error: recursion
# too deep" on standard error, status 1, earlier output kept.
# timeout: 120
# exit: 1
def through_print(n) {
  print([through_match(n)])
}
def through_match(n) {
  match n {
    through_print(n + 1) => { print("wrong") }
  }
}
print("before")
through_print(0)
print("not reached")
# expect: before
# expect-stderr: Error: recursion too deep
