# Indexing: arrays by an in-range integer, dicts by a string key, a member
# access d.name being the same as d["name"]. Everything else gives null:
# negative or too large indices, float or text indices for arrays, number
# keys for dicts, indexing texts, numbers or null.
let xs = [10, 20, 30]
print(xs[0])
# expect: 10
print(xs[2])
# expect: 30
print(xs[1 + 1])
# expect: 30
print(xs[3])
# expect: null
print(xs[-1])
# expect: null
print(xs[9223372036854775807])
# expect: null
print(xs[-9223372036854775807 - 1])
# expect: null
print(xs[1.0])
# expect: null
print(xs["1"])
# expect: null
print(xs[true])
# expect: null
print([10, 20][1])
# expect: 20
print([10, 20][2])
# expect: null
print([10, 20][-1])
# expect: null
print((0..5)[4])
# expect: 4
print("abc"[0])
# expect: null
print(5[0])
# expect: null
print(null[0])
# expect: null
print(undefined_name.field)
# expect: null

let d = {name: "quillo", n: 1}
print(d.name)
# expect: quillo
print(d["name"])
# expect: quillo
let key = "n"
print(d[key])
# expect: 1
print(d.missing)
# expect: null
print(d["missing"])
# expect: null
print(d[0])
# expect: null
print(d["Name"])
# expect: null

# Nested indexing and member access.
let m = {list: [1, [2, 3]], inner: {k: "deep"}}
print(m.list[1][0])
# expect: 2
print(m.inner.k)
# expect: deep
print(m["inner"]["k"])
# expect: deep
print(m.list[5][0])
# expect: null
print(m.inner.k.more)
# expect: null
