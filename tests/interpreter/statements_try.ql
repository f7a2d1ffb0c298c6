# try runs its body; nothing raises an error that it could catch, so the
# handler never runs and its name is never bound. A division by zero inside
# only writes its message. Signals pass through a try body.
try {
  print("in try")
} catch e {
  print("handler: wrong")
}
# expect: in try
print(typeof(e))
# expect: null

try {
  print(1 / 0)
  print("the body goes on")
} catch err {
  print("handler: wrong")
}
# expect: 0
# expect: the body goes on
# expect-stderr: Error: division by zero

# break and continue inside try act on the surrounding loop.
for x in [1, 2, 3, 4] {
  try {
    if x == 2 { continue }
    if x == 4 { break }
    print(x)
  } catch e { print("handler: wrong") }
}
# expect: 1
# expect: 3

# return inside try ends the function.
def f() {
  try {
    return "returned from try"
    print("wrong")
  } catch e { }
  return "wrong"
}
print(f())
# expect: returned from try
