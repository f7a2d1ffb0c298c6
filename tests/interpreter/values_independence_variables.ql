# Values are copied whenever they are read: giving a second variable a copy
# and then changing that variable, in any way the language allows, never
# shows through the first one. Nested arrays and dicts included.
let a = [1, [2, 3], {k: "v"}]
let b = a
b = [0]
print(a)
# expect: [1, [2, 3], {k: v}]
print(b)
# expect: [0]

# Compound assignment on the copy (arrays do not add, so the copy becomes null).
let c = a
c += [4]
print(typeof(c))
# expect: null
print(a)
# expect: [1, [2, 3], {k: v}]

# Taking an inner array out and replacing it leaves the outer value alone.
let inner = a[1]
inner = [inner[0], inner[1], 4]
print(inner)
# expect: [2, 3, 4]
print(a[1])
# expect: [2, 3]

# Rebuilding a nested copy with a changed inner part.
let m = [[1, 2], [3]]
let n = m
n = [n[0], [n[1][0], 4]]
print(m)
# expect: [[1, 2], [3]]
print(n)
# expect: [[1, 2], [3, 4]]

# Dicts: the copy and an inner dict taken out of it.
let cfg = {inner: {x: 1}, list: [1, 2]}
let cfg2 = cfg
let sub = cfg2.inner
sub = {x: 2}
cfg2 = {inner: sub, list: []}
print(cfg.inner.x)
# expect: 1
print(cfg.list)
# expect: [1, 2]
print(cfg2.inner.x)
# expect: 2
print(cfg2.list)
# expect: []

# Two copies of the same value are independent of each other too.
let src = ["s"]
let p = src
let q = src
p = "changed"
print(q)
# expect: [s]
print(src)
# expect: [s]

# Strings are values as well.
let s1 = "abc"
let s2 = s1
s2 += "def"
print(s1)
# expect: abc
print(s2)
# expect: abcdef
