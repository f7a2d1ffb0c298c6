# A top-level return ends the run, even from inside a block; nothing after
# it runs. A let after it is still evaluated once, while the lets and defs
# are bound before the run starts.
def note(tag) {
  print(tag)
  return tag
}
print("before")
if true {
  print("in the if")
  return note("value of the return")
  print("after the return in the if")
}
print("after the if")
let late = note("late let")
# expect: late let
# expect: before
# expect: in the if
# expect: value of the return
