# Functions and variables share one namespace: a definition is a variable
# holding a function. Assigning something else to the name replaces the
# function, and calling the name then yields null without evaluating the
# arguments.
def noisy() {
  print("noisy called")
  return 1
}
def f() { return "f called" }
print(f())
# expect: f called
f = 5
print(f)
# expect: 5
print(typeof(f(noisy())))
# expect: null

# And the other way round: a definition replaces a variable.
let g = "just text"
print(g)
# expect: just text
def g() { return "g called" }
print(g())
# expect: g called

# A function can be stored under another name and called through it.
let h = noisy
print(h())
# expect: noisy called
# expect: 1
