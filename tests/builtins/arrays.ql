# push, pop and reverse never change the array they are given: arrays are
# values, and the built-ins return new ones that a script assigns back.
def note(tag, v) {
  print("eval " + tag)
  return v
}
xs = [1, 2]
ys = push(xs, 3)
print(ys, xs)
# expect: [1, 2, 3]
# expect: [1, 2]
print(pop(xs), xs, len(xs))
# expect: 2
# expect: [1, 2]
# expect: 2
print(reverse(xs), xs)
# expect: [2, 1]
# expect: [1, 2]
print(typeof(push(xs, 3)), typeof(reverse(xs)), typeof(pop(xs)), typeof(pop([1.5])))
# expect: array
# expect: array
# expect: number
# expect: float

# push adds its value as one element, arrays included; nothing is flattened.
print(push([], []), push([1], [2, 3]), len(push([1], [2, 3])))
# expect: [[]]
# expect: [1, [2, 3]]
# expect: 2
print(push([1], null), len(push([1], null)), push(xs, xs))
# expect: [1, null]
# expect: 2
# expect: [1, 2, [1, 2]]
print(push(push([], "a b"), {k: "v"}))
# expect: [a b, {k: v}]

# pop only reads the last element.
print(pop([[1, 2]]), pop([1, [2, 3]]), pop(["only"]))
# expect: [1, 2]
# expect: [2, 3]
# expect: only
print(typeof(pop([])), typeof(pop("abc")), typeof(pop(5)), typeof(pop({a: 1})), typeof(pop(null)))
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null

# reverse turns the outer order only; strings and other kinds give null.
print(reverse([1, [2, 3]]), reverse([]), reverse([[1, 2], [3, 4], 5]))
# expect: [[2, 3], 1]
# expect: []
# expect: [5, [3, 4], [1, 2]]
print(typeof(reverse("abc")), typeof(reverse({a: 1})), typeof(reverse(12)), typeof(reverse(null)))
# expect: null
# expect: null
# expect: null
# expect: null

# Pushing onto anything but an array gives null and leaves the value alone.
print(typeof(push(5, note("value for 5", 1))), typeof(push(null, note("value for null", 1))))
# expect: null
# expect: null
print(typeof(push("abc", note("value for text", "d"))), typeof(push({}, note("value for dict", 1))))
# expect: null
# expect: null

# Nested arrays: changing an inner copy leaves the outer variable alone.
grid = [[1], [2]]
row = push(grid[0], 9)
grid2 = [row, grid[1]]
print(grid, grid2)
# expect: [[1], [2]]
# expect: [[1, 9], [2]]

# Building an array in a loop.
big = []
i = 0
while i < 1000 {
  big = push(big, i * i)
  i += 1
}
print(len(big), big[0], big[999], pop(big), len(big))
# expect: 1000
# expect: 0
# expect: 998001
# expect: 998001
# expect: 1000

# The value may read the same variable: each push sees the array as it
# was before the call.
zs = []
zs = push(zs, len(zs))
zs = push(zs, len(zs))
zs = push(zs, len(zs))
print(zs)
# expect: [0, 1, 2]
zs = push(zs, pop(zs))
print(zs)
# expect: [0, 1, 2, 2]

# The array is evaluated before the value, so a function in the value that
# reassigns the variable does not change what is pushed onto.
def grow() {
  global ws
  ws = push(ws, 100)
  return 7
}
def empty_it() {
  global ws
  ws = []
  return 8
}
ws = [1]
vs = push(ws, grow())
print(vs, ws)
# expect: [1, 7]
# expect: [1, 100]
vs = push(ws, empty_it())
print(vs, ws)
# expect: [1, 100, 8]
# expect: []
ws = [5]
ws = push(ws, grow())
print(ws)
# expect: [5, 7]

# Every other holder of the old array keeps it: a second variable, a dict
# entry, the caller of a function, the array a loop walks over.
ws = [1, 2]
copy = ws
ws = push(ws, 3)
ws = reverse(ws)
print(copy, ws)
# expect: [1, 2]
# expect: [3, 2, 1]
d = {a: [1]}
e = push(d.a, 2)
print(d, e)
# expect: {a: [1]}
# expect: [1, 2]
def add_one(a) {
  a = push(a, 1)
  return a
}
b = [0]
c = add_one(b)
print(b, c)
# expect: [0]
# expect: [0, 1]
loop = [1, 2, 3]
for x in loop { loop = push(loop, x * 10) }
print(loop)
# expect: [1, 2, 3, 10, 20, 30]

# An array pushed onto itself holds its old value.
zs = [1, 2]
zs = push(zs, zs)
print(zs)
# expect: [1, 2, [1, 2]]
def show_zs() {
  print(zs)
  return 0
}
zs = [1]
zs = push(zs, show_zs())
print(zs)
# expect: [1]
# expect: [1, 0]
def nest(n) {
  let a = []
  for i in 0..n { a = push(a, a) }
  return a
}
print(nest(3))
# expect: [[], [[]], [[], [[]]]]
