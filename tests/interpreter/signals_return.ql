# return ends the function from any depth of loops and blocks, with its
# value; a bare return and a body without return both yield null. The
# pending return is taken by the call, so the caller goes on normally.
def first_over(xs, limit) {
  for x in xs {
    if x > limit { return x }
  }
  return -1
}
print(first_over([1, 5, 9], 4))
# expect: 5
print(first_over([1], 4))
# expect: -1

def count_to(n) {
  let i = 0
  while true {
    if i == n { return i }
    i += 1
  }
}
print(count_to(7))
# expect: 7

def nested_loops() {
  for a in 0..3 {
    let b = 0
    while b < 3 {
      if a * b == 2 { return [a, b] }
      b += 1
    }
  }
}
print(nested_loops())
# expect: [1, 2]

def in_match(v) {
  match v {
    1 => { return "one" }
    _ => { return "other" }
  }
  return "wrong"
}
print(in_match(1))
# expect: one
print(in_match(2))
# expect: other

def stops_early() {
  print("before return")
  return 1
  print("wrong: after return")
}
print(stops_early())
# expect: before return
# expect: 1

def bare() {
  return;
  print("wrong")
}
def bare_at_end() { return }
print(typeof(bare()))
# expect: null
print(typeof(bare_at_end()))
# expect: null
def no_return() { let z = 1 }
print(typeof(no_return()))
# expect: null
def empty() { }
print(typeof(empty()))
# expect: null

# The callee's return does not end the caller.
def inner() { return "inner" }
def outer() {
  let got = inner()
  print("outer goes on after " + got)
  return "outer"
}
print(outer())
# expect: outer goes on after inner
# expect: outer

# A function returning inside a loop, called from a loop at top level.
def first_even(xs) {
  for x in xs {
    if x % 2 == 0 { return x }
  }
}
for round in [1, 2] {
  print(first_even([3, 4 * round, 6]))
}
# expect: 4
# expect: 8
