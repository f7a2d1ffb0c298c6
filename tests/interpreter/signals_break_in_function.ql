# A break executed inside a function but outside any loop ends the call
# (which yields null) and then ends the innermost loop running in a caller.
# A loop inside the function consumes its own breaks.
def stop() {
  print("stop called")
  break
  print("wrong: after break")
}
let i = 0
while i < 5 {
  print(i)
  if i == 2 { stop() }
  print("after the check")
  i += 1
}
# expect: 0
# expect: after the check
# expect: 1
# expect: after the check
# expect: 2
# expect: stop called
print(i)
# expect: 2

# The call's value is null, even with a return after the break.
def break_then_return() {
  break
  return 5
}
let r = "unchanged"
for x in [1, 2, 3] {
  r = break_then_return()
  print("wrong: loop went on")
}
print(typeof(r))
# expect: null
print(x)
# expect: 1

# A return already computed is kept: here the break happens while the
# return value is evaluated.
def quiet_stop() { break }
def value_and_break() { return [quiet_stop(), 5][1] }
let got = 0
for y in [1, 2, 3] {
  got = value_and_break()
}
print(got)
# expect: 5
print(y)
# expect: 1

# Only the innermost loop ends.
for a in [1, 2] {
  for b in [1, 2, 3] {
    if b == 2 { quiet_stop() }
    print(a * 10 + b)
  }
}
# expect: 11
# expect: 21

# Through two calls: the break ends both calls and then the loop.
def two_deep() {
  quiet_stop()
  print("wrong: after the inner call")
}
for c in [1, 2] {
  two_deep()
  print("wrong: after the outer call")
}
print(c)
# expect: 1

# A loop inside the function consumes the break; the caller's loop goes on.
def own_loop() {
  while true { break }
  return "own loop done"
}
for d in [1, 2] { print(own_loop()) }
# expect: own loop done
# expect: own loop done

# The loop may itself be in a function.
def runner() {
  for e in [1, 2, 3] {
    print(e)
    quiet_stop()
  }
  return "runner finished"
}
print(runner())
# expect: 1
# expect: runner finished
