# print evaluates all its arguments first, left to right, then writes the
# text of each on its own line; with no argument it writes nothing. It
# gives null.
print()
print(1, 2)
# expect: 1
# expect: 2
print("a b", [1, "c"], {k: "v"}, 1.5, -0.0, true, null)
# expect: a b
# expect: [1, c]
# expect: {k: v}
# expect: 1.5
# expect: -0
# expect: true
# expect: null
print("")
# expect:
print(typeof(print(3)))
# expect: 3
# expect: null
print(typeof(print()))
# expect: null

# Output made while the arguments are evaluated comes before every line of
# this call.
def note(tag) {
  print("evaluating " + tag)
  return tag
}
print(note("first"), note("second"))
# expect: evaluating first
# expect: evaluating second
# expect: first
# expect: second
print(1, print(2), 3)
# expect: 2
# expect: 1
# expect: null
# expect: 3
print("two\nlines", "tab\tinside")
# expect: two
# expect: lines
# expect: tab\tinside
