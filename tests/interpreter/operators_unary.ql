# Prefix minus negates numbers (wrapping) and floats (flipping the sign,
# also of zero and NaN), and gives null for anything else. not and ! give
# the opposite of the truthiness of any value. Prefix operators bind
# tighter than every infix operator.
print(-5)
# expect: -5
print(-(-5))
# expect: 5
print(--5)
# expect: 5
print(-(-9223372036854775807 - 1))
# expect: -9223372036854775808
print(-2.5)
# expect: -2.5
print(-(0.0))
# expect: -0
print(-(-0.0))
# expect: 0
print(-(1.0 / 0.0))
# expect: -inf
print(-"a")
# expect: null
print(-true)
# expect: null
print(-[1])
# expect: null
print(-null)
# expect: null

print(not 0)
# expect: true
print(not 1)
# expect: false
print(not "x")
# expect: false
print(not "")
# expect: false
print(not null)
# expect: true
print(not [])
# expect: false
print(not {})
# expect: false
print(not 0.0)
# expect: true
print(!true)
# expect: false
print(!false)
# expect: true
print(not not 5)
# expect: true
print(!!0)
# expect: false
print(typeof(not 5))
# expect: boolean
# (not 1) == 1 compares a boolean with a number.
print(not 1 == 1)
# expect: null
print(not false and true)
# expect: true
print(-2 + 3)
# expect: 1
