# The numeric built-ins: which kind each returns, how integers and floats
# are converted, and what happens at the edges.
def note(tag, v) {
  print("eval " + tag)
  return v
}
nan = sqrt(-1)
inf = 1.0 / 0.0
smallest = -9223372036854775807 - 1

# sqrt always gives a float.
print(sqrt(16), typeof(sqrt(16)), sqrt(2), sqrt(2.25), sqrt(0))
# expect: 4
# expect: float
# expect: 1.4142135623730951
# expect: 1.5
# expect: 0
print(nan, sqrt(-0.0), sqrt(inf), sqrt(smallest))
# expect: NaN
# expect: -0
# expect: inf
# expect: NaN
print(typeof(sqrt("4")), typeof(sqrt(null)), typeof(sqrt([4])), typeof(sqrt(true)))
# expect: null
# expect: null
# expect: null
# expect: null

# floor, ceil and round always give an integer number.
print(floor(-2.5), ceil(-2.5), round(-2.5), round(2.5), round(0.5), round(-0.5))
# expect: -3
# expect: -2
# expect: -3
# expect: 3
# expect: 1
# expect: -1
print(floor(2.7), ceil(2.1), round(2.4999), round(1.5), floor(-0.5), ceil(-0.5), round(-0.4))
# expect: 2
# expect: 3
# expect: 2
# expect: 2
# expect: -1
# expect: 0
# expect: 0
# Halves are the only ties: the largest float below one half rounds down.
print(round(0.49999999999999994), floor(2.9999999999999996))
# expect: 0
# expect: 2
print(floor(5), typeof(floor(5)), ceil(-5), round(7), typeof(round(2.5)), typeof(ceil(0.1)))
# expect: 5
# expect: number
# expect: -5
# expect: 7
# expect: number
# expect: number
# Integers pass through a double on the way.
print(floor(9007199254740993), round(9223372036854775807), ceil(smallest))
# expect: 9007199254740992
# expect: 9223372036854775807
# expect: -9223372036854775808
# Out of range saturates; NaN gives 0.
print(floor(1000000000000000000000000000000.0), floor(-1000000000000000000000000000000.0))
# expect: 9223372036854775807
# expect: -9223372036854775808
print(ceil(inf), round(-inf), floor(nan), round(nan), ceil(nan))
# expect: 9223372036854775807
# expect: -9223372036854775808
# expect: 0
# expect: 0
# expect: 0
print(typeof(floor("3")), typeof(round(null)), typeof(ceil([1])), typeof(round(true)))
# expect: null
# expect: null
# expect: null
# expect: null

# abs keeps the kind: integers wrap, floats lose their sign bit.
print(abs(-5), typeof(abs(-5)), abs(5), abs(0), abs(9223372036854775807), abs(-9223372036854775807))
# expect: 5
# expect: number
# expect: 5
# expect: 0
# expect: 9223372036854775807
# expect: 9223372036854775807
print(abs(smallest), typeof(abs(smallest)))
# expect: -9223372036854775808
# expect: number
print(abs(-2.5), typeof(abs(-2.5)), abs(-0.0), typeof(abs(-0.0)), abs(nan), abs(-inf))
# expect: 2.5
# expect: float
# expect: 0
# expect: float
# expect: NaN
# expect: inf
print(abs(-2.0), typeof(abs(-2.0)), typeof(abs("-5")), typeof(abs(true)), typeof(abs(null)))
# expect: 2
# expect: float
# expect: null
# expect: null
# expect: null

# pow gives a float, also for two integers, as the C power function does.
print(pow(2, 10), typeof(pow(2, 10)), pow(2, -1), pow(0, 0), pow(2, 0.5), pow(-2, 3))
# expect: 1024
# expect: float
# expect: 0.5
# expect: 1
# expect: 1.4142135623730951
# expect: -8
print(pow(nan, 0), pow(1, nan), pow(-8, 1.0 / 3.0), pow(-2, 0.5), pow(0, -1), pow(-0.0, -1))
# expect: 1
# expect: 1
# expect: NaN
# expect: NaN
# expect: inf
# expect: -inf
print(pow(10, 21), pow(2, 63), pow(2.0, 3), pow(1.5, 2.0))
# expect: 1000000000000000000000
# expect: 9223372036854776000
# expect: 8
# expect: 2.25
# Both arguments are evaluated before either is checked.
print(typeof(pow("a", note("exponent", 2))))
# expect: eval exponent
# expect: null
print(typeof(pow(2, "a")), typeof(pow(null, null)), typeof(pow([2], 2)))
# expect: null
# expect: null
# expect: null

# min and max: every argument is evaluated, the non-numeric ones are
# skipped, the result is a float.
print(min(1, 2), typeof(min(1, 2)), max(1, 7, 2.5), typeof(max(1, 7, 2.5)), min(2, 1.5))
# expect: 1
# expect: float
# expect: 7
# expect: float
# expect: 1.5
print(max(3, "x"), min(null, 3), max(1, true, [5], "9"), min("x", "y", -4))
# expect: 3
# expect: 3
# expect: 1
# expect: -4
print(typeof(min("a", "b")), typeof(max(null, [1])))
# expect: null
# expect: null
print(min(note("first", "x"), note("second", 2), note("third", null)))
# expect: eval first
# expect: eval second
# expect: eval third
# expect: 2
print(typeof(min(note("only", 3))), typeof(max(note("only", 3))))
# expect: null
# expect: null
print(max(9223372036854775807, 1), min(inf, -inf), max(-inf, inf))
# expect: 9223372036854776000
# expect: -inf
# expect: inf
# Ties keep the earlier value for min and take the later one for max, which
# shows with the two zeros.
print(min(-0.0, 0.0), min(0.0, -0.0), max(-0.0, 0.0), max(0.0, -0.0))
# expect: -0
# expect: 0
# expect: 0
# expect: -0
# A NaN wins min only in the first place and max only in the last place;
# elsewhere the comparisons with it are false.
print(min(nan, 1, 2), min(1, nan, 2), min(1, 2, nan), min(3, nan, 2))
# expect: NaN
# expect: 1
# expect: 1
# expect: 2
print(max(nan, 1, 2), max(1, nan, 2), max(1, 2, nan), max(3, nan, 2), max(nan, 5))
# expect: 2
# expect: 2
# expect: NaN
# expect: 2
# expect: 5
