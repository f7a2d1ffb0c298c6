# Arguments bind to parameters by position; their counts are never
# compared. Surplus arguments are evaluated and dropped, missing ones leave
# their parameters unbound. With two parameters of the same name the later
# argument wins. A function without a return value gives null.
def note(tag) {
  print("evaluating " + tag)
  return tag
}
def first(a, b) { return a }
print(first(1))
# expect: 1
print(first(1, 2))
# expect: 1
print(first(1, 2, note("surplus")))
# expect: evaluating surplus
# expect: 1
print(typeof(first()))
# expect: null

def both(a, b) {
  print(a)
  print(b)
}
both("only a")
# expect: only a
# expect: null

def zero() { return "zero parameters" }
print(zero(note("x"), note("y")))
# expect: evaluating x
# expect: evaluating y
# expect: zero parameters

def dup(p, p) { return p }
print(dup(1, 2))
# expect: 2
print(dup(1))
# expect: 1

def early() {
  return "first return"
  return "second return"
}
print(early())
# expect: first return

# Arguments can be any expression, including other calls.
def add(a, b) { return a + b }
print(add(add(1, 2), add(3, 4)))
# expect: 10

# The result of a call can be indexed.
def pair() { return [1, 2] }
print(pair()[1])
# expect: 2
