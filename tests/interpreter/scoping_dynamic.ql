# Reading a name searches the current call, then every active caller from
# the most recent outward, then the globals: a function sees the locals of
# whoever called it, and once the caller has returned they are gone.
def show_n() { print(n) }
def caller() {
  let n = "caller's n"
  show_n()
}
caller()
# expect: caller's n
show_n()
# expect: null
n = "global n"
show_n()
# expect: global n
caller()
# expect: caller's n
show_n()
# expect: global n

# Three levels: the innermost caller that has the name wins.
def outer() {
  let w = "outer's w"
  let only_outer = "seen from two calls down"
  middle()
}
def middle() {
  let w = "middle's w"
  inner()
}
def inner() {
  print(w)
  print(only_outer)
}
outer()
# expect: middle's w
# expect: seen from two calls down

# The callee's own local shadows the caller's, and the caller keeps its own.
def callee() {
  let v = "callee's v"
  print(v)
}
def caller_v() {
  let v = "caller's v"
  callee()
  print(v)
}
caller_v()
# expect: callee's v
# expect: caller's v

# Parameters are locals and are just as visible to callees.
def with_param(p) { reader_p() }
def reader_p() { print(p) }
with_param(42)
# expect: 42
reader_p()
# expect: null

# After the call returns its locals are dropped.
print(typeof(w))
# expect: null
print(typeof(v))
# expect: null
