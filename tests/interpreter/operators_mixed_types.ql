# Operators never convert between variants: a number with a float, text
# with anything else, null, arrays, dicts and functions all give null, and
# null counts as false in a condition.
def f() { }
print(1 + 2.0)
# expect: null
print(2.0 * 3)
# expect: null
print(1 == 1.0)
# expect: null
print(1.0 != 1)
# expect: null
print(1 < 1.5)
# expect: null
print(null == null)
# expect: null
print(undefined_x == null)
# expect: null
print(null + 1)
# expect: null
print(1 + null)
# expect: null
print([1] == [1])
# expect: null
print([1] + [2])
# expect: null
print({} == {})
# expect: null
print({a: 1} + {b: 2})
# expect: null
print(f == f)
# expect: null
print((1 + 2.0) * 3)
# expect: null
print(typeof(1 + 2.0))
# expect: null
if 1 == 1.0 { print("wrong") } else { print("null is false") }
# expect: null is false
if 1 != 1.0 { print("wrong") } else { print("so is the opposite test") }
# expect: so is the opposite test
