# A parameter without an argument stays unbound, so reading it finds a
# variable of that name in a calling function or in the globals, or null.
def pick(a, b) { return b }
print(typeof(pick(1)))
# expect: null
def caller() {
  let b = "caller's b"
  return pick(1)
}
print(caller())
# expect: caller's b
def caller_param(b) { return pick("x") }
print(caller_param("caller's parameter b"))
# expect: caller's parameter b
b = "global b"
print(pick(1))
# expect: global b
print(caller())
# expect: caller's b
print(pick(1, "bound b"))
# expect: bound b
# Binding a parameter does not change the variable it would have read.
print(b)
# expect: global b
