# for runs its body once per element of an array, evaluated once at the
# start; anything that is not an array runs the body zero times. The loop
# variable keeps the last value it was given.
for x in [1, "two", 3.5, [4]] { print(x) }
# expect: 1
# expect: two
# expect: 3.5
# expect: [4]
print(x)
# expect: [4]

# continue skips the value 1.
for i in 0..3 {
  if i == 1 { continue }
  print(i)
}
# expect: 0
# expect: 2

# break keeps the element reached.
for b in [10, 20, 30] {
  if b == 20 { break }
}
print(b)
# expect: 20

# Non-arrays: nothing happens.
for c in "abc" { print("text iterated") }
for c in {a: 1} { print("dict iterated") }
for c in 5 { print("number iterated") }
for c in 1.5 { print("float iterated") }
for c in null { print("null iterated") }
for c in true { print("boolean iterated") }
print(typeof(c))
# expect: null
for e in [] { print("empty iterated") }
print(typeof(e))
# expect: null

# The iterable is evaluated once.
def source() {
  print("source evaluated")
  return [1, 2]
}
for s in source() { print(s) }
# expect: source evaluated
# expect: 1
# expect: 2

# Nested loops.
for row in [[1, 2], [3]] {
  for cell in row { print(cell) }
}
# expect: 1
# expect: 2
# expect: 3

# Assigning the loop variable in the body does not affect the next round.
for v in [1, 2] {
  print(v)
  v = 100
}
# expect: 1
# expect: 2
print(v)
# expect: 100

# Inside a function the loop variable is a local of the call.
def loop_in_function() {
  for w in [1, 2] { }
  print(w)
}
loop_in_function()
# expect: 2
print(typeof(w))
# expect: null

# A range computed from a variable.
let n = 2
for r in 0..n + 1 { print(r) }
# expect: 0
# expect: 1
# expect: 2

# break and continue inside a match arm act on the loop around the match.
for m in [1, 2, 3, 4] {
  match m {
    2 => { continue }
    4 => { break }
  }
  print(m)
}
# expect: 1
# expect: 3
print(m)
# expect: 4
