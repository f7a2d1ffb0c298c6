# The text form of arrays, dicts and functions: elements separated by
# ", ", dict entries as "key: value", strings bare at every depth, functions
# as <function>. The order of the entries of a dict is not fixed, so dicts
# with several entries are checked against every order.
def f() { }

print([1, "a b", true])
# expect: [1, a b, true]
print([])
# expect: []
print([[1, 2], []])
# expect: [[1, 2], []]
print([1, [2, [3, [4]]]])
# expect: [1, [2, [3, [4]]]]
print(f)
# expect: <function>
print([f])
# expect: [<function>]
print([null, 1.5, -0.0, "x", false])
# expect: [null, 1.5, -0, x, false]
print(["", ""])
# expect: [, ]
print(["a, b", "c"])
# expect: [a, b, c]
print({k: "v"})
# expect: {k: v}
print({})
# expect: {}
print([{}])
# expect: [{}]
print({e: ""})
# expect: {e: }
print({a: [1, {b: null}]})
# expect: {a: [1, {b: null}]}
print({fn: f})
# expect: {fn: <function>}
print({k: 1, k: 2})
# expect: {k: 2}
print({x: 1, y: "two"})
# expect-match: \{(x: 1, y: two|y: two, x: 1)\}
print([{x: [1], y: {}}])
# expect-match: \[\{(x: \[1\], y: \{\}|y: \{\}, x: \[1\])\}\]
print({a: 1, b: 2, c: 3})
# expect-match: \{(a: 1, b: 2, c: 3|a: 1, c: 3, b: 2|b: 2, a: 1, c: 3|b: 2, c: 3, a: 1|c: 3, a: 1, b: 2|c: 3, b: 2, a: 1)\}
print(0..5)
# expect: [0, 1, 2, 3, 4]
