# Integer division or remainder by zero writes "Error: division by zero" to
# standard error and gives 0; the run goes on. Float division by zero gives
# an infinity or NaN silently. Each message is written when its expression
# is evaluated, between the lines printed before and after it.
def main() {
  print("before")
  print(5 / 0)
  print(-5 / 0)
  print(0 / 0)
  print(7 % 0)
  print(typeof(5 / 0))
  let x = 10
  x /= 0
  print(x)
  print(5.0 / 0.0)
  print(-5.0 / 0.0)
  print(0.0 / 0.0)
  print(5.0 % 0.0)
  print(1 / 0 + 1)
  print("after")
}
# expect: before
# expect: 0
# expect: 0
# expect: 0
# expect: 0
# expect: number
# expect: 0
# expect: inf
# expect: -inf
# expect: NaN
# expect: NaN
# expect: 1
# expect: after
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
