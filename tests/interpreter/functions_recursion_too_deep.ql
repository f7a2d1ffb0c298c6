# Recursion without end stops the run with "Error: recursion too deep" on
# standard error and status 1; what was printed before stays printed.
# timeout: 120
# exit: 1
print("before")
def forever(n) {
  if n == 1000 { print("a thousand calls deep") }
  return forever(n + 1)
}
forever(0)
print("not reached")
# expect: before
# expect: a thousand calls deep
# expect-stderr: Error: recursion too deep
