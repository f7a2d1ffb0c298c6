# A continue executed inside a function but outside any loop ends the call
# and then skips the rest of the round of the innermost loop in a caller.
def skip() {
  continue
  print("wrong: after continue")
}
for x in 0..5 {
  if x % 2 == 1 { skip() }
  print(x)
}
# expect: 0
# expect: 2
# expect: 4

let i = 0
while i < 4 {
  i += 1
  if i == 2 { skip() }
  print(i)
}
# expect: 1
# expect: 3
# expect: 4

def skip_with_value() {
  continue
  return "wrong"
}
for y in [1, 2] {
  print(typeof(skip_with_value()))
}
# The call yields null, and the statement holding it still completes: the
# pending continue is looked at only after each statement.
# expect: null
# expect: null
