# Without main, every top-level let is evaluated twice: once while binding
# the lets and defs, once when the statements run in order. Output made
# while evaluating the value happens twice, and a let that calls a function
# defined further down gets null the first time (the call is skipped, so
# its arguments are not evaluated either) and the real result the second.
def noisy(tag) {
  print("evaluating " + tag)
  return tag
}
print("start")
let a = noisy("a")
print("a is " + a)
let b = later(noisy("argument of later"))
print(b)
def later(t) {
  print("later " + t)
  return t + "!"
}
# A top-level assignment runs only in order, so the first evaluation of
# this let sees no value for it.
counter = 10
let seen = noisy(typeof(counter))
print(seen)
# The division message is written both times.
let q = 1 / 0
print(q)
# expect: evaluating a
# expect: evaluating null
# expect: start
# expect: evaluating a
# expect: a is a
# expect: evaluating argument of later
# expect: later argument of later
# expect: argument of later!
# expect: evaluating number
# expect: number
# expect: 0
# expect-stderr: Error: division by zero
# expect-stderr: Error: division by zero
