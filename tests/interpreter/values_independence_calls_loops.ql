# Copies at calls and loops: a parameter holds a copy of the argument, a
# returned value is a copy of what the function read, and a for loop runs
# over the array as it was when the loop started, whatever the body does to
# the variable that held it.
def change(xs) {
  xs = [99, xs]
  return xs
}
let orig = [1, [2]]
let changed = change(orig)
print(orig)
# expect: [1, [2]]
print(changed)
# expect: [99, [1, [2]]]

# The callee reads the caller's data through dynamic scoping; replacing it
# there creates a local and leaves the caller's value alone.
def replace_data() {
  data = ["replaced"]
  return data
}
def owner() {
  let data = [1, 2]
  print(replace_data())
  print(data)
}
owner()
# expect: [replaced]
# expect: [1, 2]

# A value returned from a global is a copy.
let stored = {list: [1, 2]}
def get_stored() { return stored }
let got = get_stored()
got = {list: []}
print(stored)
# expect: {list: [1, 2]}

# The loop runs over a snapshot of the array.
let xs = [1, 2, 3]
for x in xs {
  xs = [0]
  print(x)
}
# expect: 1
# expect: 2
# expect: 3
print(xs)
# expect: [0]

# Assigning the loop variable does not touch the array either.
let ys = [[1], [2]]
for y in ys {
  y = "overwritten"
}
print(ys)
# expect: [[1], [2]]
print(y)
# expect: overwritten

# Nested loops over a nested array, the outer variable replaced inside.
let grid = [[1, 2], [3, 4]]
for row in grid {
  grid = []
  for cell in row {
    row = []
    print(cell)
  }
}
# expect: 1
# expect: 2
# expect: 3
# expect: 4
print(grid)
# expect: []

# A function value is copied too: redefining the name later does not change
# the copy held by another variable.
def version() { return "first" }
let kept = version
def version() { return "second" }
print(kept())
# expect: first
print(version())
# expect: second
