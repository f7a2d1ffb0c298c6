# Writing a name inside a function creates or replaces a local of the
# current call, never a caller's local or a global (without `global`). The
# new local shadows the outer variable until the call returns.
x = 1
def set_x() {
  x = 2
  print(x)
}
set_x()
# expect: 2
print(x)
# expect: 1

def read_then_shadow() {
  print(x)
  x = 5
  print(x)
}
read_then_shadow()
# expect: 1
# expect: 5
print(x)
# expect: 1

# A compound assignment reads the global and writes a local.
def bump_x() {
  x += 10
  print(x)
  x += 10
  print(x)
}
bump_x()
# expect: 11
# expect: 21
print(x)
# expect: 1

# A callee assigning to its caller's local gets its own local instead.
def outer() {
  let v = "outer's v"
  set_v()
  print(v)
}
def set_v() {
  v = "set_v's v"
  print(v)
}
outer()
# expect: set_v's v
# expect: outer's v

# let inside a function is the same as assignment: a local.
def with_let() {
  let made_here = "local"
  print(made_here)
}
with_let()
# expect: local
print(typeof(made_here))
# expect: null

# A parameter with the same name as a global shadows it.
def param_x(x) { print(x) }
param_x("argument")
# expect: argument
print(x)
# expect: 1
