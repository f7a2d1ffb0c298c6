# and/or always evaluate both operands, left first, even when the left one
# already decides the result; they accept only booleans.
def t(tag) {
  print("t " + tag)
  return true
}
def f(tag) {
  print("f " + tag)
  return false
}
print(false and t("right of and"))
# expect: t right of and
# expect: false
print(true or t("right of or"))
# expect: t right of or
# expect: true
print(f("left") and t("right"))
# expect: f left
# expect: t right
# expect: false
print(t("left") or f("right"))
# expect: t left
# expect: f right
# expect: true

# Truth tables.
print(true and true, true and false, false and true, false and false)
# expect: true
# expect: false
# expect: false
# expect: false
print(true or true, true or false, false or true, false or false)
# expect: true
# expect: true
# expect: true
# expect: false

# Non-booleans give null, however truthy they are.
print(1 and 2)
# expect: null
print(true and 1)
# expect: null
print(1 or true)
# expect: null
print(null or true)
# expect: null
print(true and null)
# expect: null
print("a" or "b")
# expect: null

# A guard does not protect the right side: the index is still evaluated.
def risky() {
  print("risky evaluated")
  return 1 / 0
}
let guard = false
if guard and risky() == 0 { print("wrong") }
# expect: risky evaluated
# expect-stderr: Error: division by zero

# `or` binds looser than `and`.
print(true or false and false)
# expect: true
