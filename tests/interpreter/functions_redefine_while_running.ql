# The body that runs is the copy taken when the call started: redefining
# the function while it runs changes only later calls. A definition inside
# a function body makes a local unless the name was declared global.
def f() {
  print("old body starts")
  global f
  def f() { print("new body") }
  print("old body still running")
  f()
  print("old body ends")
}
f()
# expect: old body starts
# expect: old body still running
# expect: new body
# expect: old body ends
f()
# expect: new body

# Recursion that replaces itself halfway down: the calls already running
# go on with the original body.
def r(n) {
  if n == 2 {
    global r
    def r(m) { return "replacement reached" }
  }
  print(n)
  if n == 0 { return "wrong" }
  let result = r(n - 1)
  print("original body finishes")
  return result
}
print(r(3))
# expect: 3
# expect: 2
# expect: original body finishes
# expect: original body finishes
# expect: replacement reached

# A definition inside a body without global is a local: calls inside the
# body reach it, the global stays as it was.
def h() {
  print("global h")
  def h() { print("local h") }
  h()
}
h()
# expect: global h
# expect: local h
h()
# expect: global h
# expect: local h
