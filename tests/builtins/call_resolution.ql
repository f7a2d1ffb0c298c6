# How a call finds its target: a built-in of that name always wins, decided
# by the name alone; otherwise a variable holding a function is called;
# otherwise the call gives null and its arguments are not evaluated.
def note(tag) {
  print("evaluating " + tag)
  return tag
}
def print(x) {
  print("wrong: the script's print ran")
}
print(5)
# expect: 5
def typeof(x) { return "the script's typeof" }
print(typeof(1))
# expect: number

# The script's function is stored and can be read, just not called by name.
print(print)
# expect: <function>
print = "a variable named print"
print(print)
# expect: a variable named print

# Built-in names are not variables: reading one finds nothing.
print(typeof(typeof_is_not_a_variable))
# expect: null
print(typeof(len))
# expect: null

# Names are compared exactly: these are not built-ins.
def Print(x) { return "user Print got " + x }
print(Print("y"))
# expect: user Print got y
print(typeof(prints("z")))
# expect: null

# An undefined name: null, argument not evaluated.
print(typeof(g(note("argument of g"))))
# expect: null
# A variable that is not a function: the same.
let not_fn = [1]
print(typeof(not_fn(note("argument of not_fn"))))
# expect: null

# A user function: arguments evaluated left to right, then the body runs.
def show(a, b) {
  print("body")
  return a + b
}
print(show(note("a"), note("b")))
# expect: evaluating a
# expect: evaluating b
# expect: body
# expect: ab
