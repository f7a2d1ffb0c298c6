# Integer arithmetic: division truncates toward zero, the remainder takes
# the sign of the left operand, comparisons are signed, and the usual
# precedence applies (* / % above + -, all left-associative).
print(7 / 2)
# expect: 3
print(-7 / 2)
# expect: -3
print(7 / -2)
# expect: -3
print(-7 / -2)
# expect: 3
print(7 % 3)
# expect: 1
print(-7 % 2)
# expect: -1
print(7 % -2)
# expect: 1
print(-7 % -2)
# expect: -1
print(6 % 3)
# expect: 0
print(2 + 3 * 4)
# expect: 14
print((2 + 3) * 4)
# expect: 20
print(10 - 4 - 3)
# expect: 3
print(100 / 10 / 5)
# expect: 2
print(17 % 5 * 2)
# expect: 4
print(1 - -1)
# expect: 2

# Comparisons.
print(1 < 2, 2 < 1, 2 <= 2, 3 > 4, -1 >= -1, 5 == 5, 5 != 5, 5 != 6)
# expect: true
# expect: false
# expect: true
# expect: false
# expect: true
# expect: true
# expect: false
# expect: true
print(-9223372036854775807 - 1 < 9223372036854775807)
# expect: true
print(-1 < 0)
# expect: true
# Chained comparisons compare a boolean with a number: null.
print(1 < 2 < 3)
# expect: null
print(1 == 1 == true)
# expect: true
