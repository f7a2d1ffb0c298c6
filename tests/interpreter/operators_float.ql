# Float arithmetic is IEEE double arithmetic; % is fmod (sign of the left
# operand). == and != compare with an absolute tolerance of 2 to the -52
# (not a relative one), while <, >, <= and >= are the plain IEEE ordering.
print(7.0 / 2.0)
# expect: 3.5
print(1.5 + 2.25)
# expect: 3.75
print(0.1 * 3.0)
# expect: 0.30000000000000004
print(1.0 - 0.9)
# expect: 0.09999999999999998
print(5.5 % 2.0)
# expect: 1.5
print(-5.5 % 2.0)
# expect: -1.5
print(5.5 % -2.0)
# expect: 1.5
print(7.5 % 2.5)
# expect: 0

# Equality within the tolerance.
print(0.1 + 0.2 == 0.3)
# expect: true
print(0.1 + 0.2 != 0.3)
# expect: false
print(0.00000000000000001 == 0.0)
# expect: true
print(0.0 == -0.0)
# expect: true
print(1.0 == 1.0000000000000002)
# expect: false
print(1.0 != 1.0000000000000002)
# expect: true
print(1000000000000000000000.0 == 1000000000000000000000.0)
# expect: true
print(1000000.0 == 1000000.0000000001)
# expect: false
print(1000000.0 != 1000000.0000000001)
# expect: true

# Ordering ignores the tolerance.
print(0.1 + 0.2 > 0.3)
# expect: true
print(0.1 + 0.2 <= 0.3)
# expect: false
print(1.5 < 2.5, 2.5 <= 2.5, 2.5 >= 3.5, -0.0 < 0.0)
# expect: true
# expect: true
# expect: false
# expect: false

# Infinities order as expected; inf minus inf is NaN, so by the tolerance
# rule inf is neither equal nor unequal to itself.
let inf = 1.0 / 0.0
print(inf > 1000000000000000000000.0)
# expect: true
print(-inf < -1000000000000000000000.0)
# expect: true
print(inf + 1.0)
# expect: inf
print(inf - inf)
# expect: NaN
print(inf == inf)
# expect: false
print(inf != inf)
# expect: false
