# Functions are values: they can be stored under another name, passed as
# arguments and called through a parameter, returned, and kept in arrays
# and dicts (from where they can be read but not called directly: only a
# plain name can be called). Calling something that is not a function gives
# null without evaluating the arguments.
def note(tag) {
  print("evaluating " + tag)
  return tag
}
def double(x) { return x * 2 }
alias = double
print(alias(21))
# expect: 42
def apply(fn, v) { return fn(v) }
print(apply(double, 5))
# expect: 10
def make() {
  def made() { return "made inside" }
  return made
}
m = make()
print(m())
# expect: made inside
print(make())
# expect: <function>

fs = [double]
print(fs)
# expect: [<function>]
# The argument list after an index is dropped: this prints the function.
print(fs[0](3))
# expect: <function>
first = fs[0]
print(first(4))
# expect: 8
print({f: double}.f)
# expect: <function>

n = 3
print(typeof(n(note("argument of a number"))))
# expect: null
print(typeof(nothing_here(note("argument of an undefined name"))))
# expect: null
s = "text"
print(typeof(s(note("argument of a text"))))
# expect: null
