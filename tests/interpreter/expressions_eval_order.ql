# Operands are evaluated left to right, each completely before the next:
# binary operators, indexing, ranges, arrays, dicts, call arguments, and
# the arguments of print before any of its lines is written.
def note(tag, v) {
  print(tag)
  return v
}
print(note("L", 1) + note("R", 2))
# expect: L
# expect: R
# expect: 3
print(note("a", 10) - note("b", 4) * note("c", 2))
# expect: a
# expect: b
# expect: c
# expect: 2
print(note("x", 1) + note("y", "s"))
# expect: x
# expect: y
# expect: null
print(note("obj", [1, 2])[note("idx", 1)])
# expect: obj
# expect: idx
# expect: 2
print(note("dict", {k: "v"}).k)
# expect: dict
# expect: v
print(note("start", 0)..note("end", 2))
# expect: start
# expect: end
# expect: [0, 1]
print([note("e1", 1), note("e2", 2), note("e3", 3)])
# expect: e1
# expect: e2
# expect: e3
# expect: [1, 2, 3]
print({b: note("value b", 1), a: note("value a", 2)}.a)
# expect: value b
# expect: value a
# expect: 2
def minus(a, b) { return a - b }
print(minus(note("first", 5), note("second", 3)))
# expect: first
# expect: second
# expect: 2
print(note("p1", 1), note("p2", 2))
# expect: p1
# expect: p2
# expect: 1
# expect: 2
print(-note("operand", 4))
# expect: operand
# expect: -4
