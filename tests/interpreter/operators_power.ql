# `**` on integers: the exponent is taken modulo 2 to the 32 as an unsigned
# number (so a negative exponent becomes a huge one) and the product wraps;
# an exponent of 0 gives 1. On floats it is the usual power. It groups to
# the left, and a prefix minus binds tighter.
print(2 ** 10)
# expect: 1024
print(2 ** 0)
# expect: 1
print(0 ** 0)
# expect: 1
print(5 ** 1)
# expect: 5
print(2 ** 62)
# expect: 4611686018427387904
print(2 ** 63)
# expect: -9223372036854775808
print(2 ** 64)
# expect: 0
print(2 ** -1)
# expect: 0
print(3 ** -1)
# expect: 830436559519656619
print((-1) ** -1)
# expect: -1
print(2 ** 4294967296)
# expect: 1
print(2 ** 4294967297)
# expect: 2
print(2 ** -4294967296)
# expect: 1
print((-1) ** -2)
# expect: 1
print(10 ** 18)
# expect: 1000000000000000000
print(10 ** 19)
# expect: -8446744073709551616
print(7 ** 100)
# expect: 3728452490685454945
print((-3) ** 3)
# expect: -27
print(-2 ** 2)
# expect: 4
print(-2 ** 3)
# expect: -8
print(2 ** 3 ** 2)
# expect: 64
print(2 * 3 ** 2)
# expect: 18

# Floats.
print(2.0 ** 0.5)
# expect: 1.4142135623730951
print(2.0 ** -1.0)
# expect: 0.5
print(9.0 ** 0.5)
# expect: 3
print(10.0 ** 21.0)
# expect: 1000000000000000000000
print((-8.0) ** (1.0 / 3.0))
# expect: NaN
print(0.0 ** -1.0)
# expect: inf
print(2.0 ** 1024.0)
# expect: inf
print((0.0 / 0.0) ** 0.0)
# expect: 1

# Mixed or other variants give null.
print(2 ** 2.0)
# expect: null
print(2.0 ** 2)
# expect: null
print("a" ** 2)
# expect: null
