# Array and dict literals: elements and values are evaluated in source
# order; a dict key written twice keeps its last value, and both values are
# evaluated.
def note(tag) {
  print("evaluating " + tag)
  return tag
}
let d = {k: note("first"), k: note("second")}
print(d)
# expect: evaluating first
# expect: evaluating second
# expect: evaluating first
# expect: evaluating second
# expect: {k: second}

print([[], {}, [[]], [{}]])
# expect: [[], {}, [[]], [{}]]
print([1 + 1, "a" + "b", 1 + 1.0])
# expect: [2, ab, null]
print({sum: 2 + 3}.sum)
# expect: 5
# Keys are names as written, so a key may look like a built-in or a variable.
let name = "ignored"
print({print: 1, name: 2}.name)
# expect: 2
print({print: 1}.print)
# expect: 1
# Values may be any expression, including other literals.
let nested = {list: [1, {deep: [2, 3]}]}
print(nested.list[1].deep[1])
# expect: 3
