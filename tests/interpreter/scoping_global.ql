# `global NAME` sends every later write of NAME to the globals, in every
# function, for the rest of the run: assignments, compound assignments,
# parameter binding and the for-loop variable. Reads are unaffected: a local
# that already exists is still found first.
let x = 1
def no_global() { x = 2 }
no_global()
print(x)
# expect: 1

def with_global() {
  global x
  x = 2
}
with_global()
print(x)
# expect: 2

# A different function, with no global statement of its own.
def other() { x = 3 }
other()
print(x)
# expect: 3
def other_compound() { x += 100 }
other_compound()
print(x)
# expect: 103

# A parameter of that name binds the argument into the global.
def param_named_x(x) { print(x) }
param_named_x(42)
# expect: 42
print(x)
# expect: 42

# So does the loop variable of a for loop.
def loop_x() { for x in [7, 8] { } }
loop_x()
print(x)
# expect: 8

# A local that existed before the declaration still wins for reads.
def keeper() {
  y = "keeper's local y"
  declare_y()
  y = "written after the declaration"
  print(y)
}
def declare_y() { global y }
keeper()
# expect: keeper's local y
print(y)
# expect: written after the declaration

# A compound assignment then reads the local and writes the global.
def keeper2() {
  let w = "local w"
  declare_w()
  w += "!"
  print(w)
}
def declare_w() { global w }
keeper2()
# expect: local w
print(w)
# expect: local w!

# A name declared global before it was ever assigned.
def make_z() {
  global z
  z = "made in a function"
}
make_z()
print(z)
# expect: made in a function

# A global statement at top level works the same way.
global t
def set_t() { t = "set by a function" }
set_t()
print(t)
# expect: set by a function

# Declaring does not assign anything.
def only_declare() { global never_assigned }
only_declare()
print(typeof(never_assigned))
# expect: null
