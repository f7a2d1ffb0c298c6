# Every comparison with NaN is false, == and != included; NaN itself is
# truthy and displays as NaN, and arithmetic with it gives NaN.
let nan = 0.0 / 0.0
print(nan)
# expect: NaN
print(nan == nan)
# expect: false
print(nan != nan)
# expect: false
print(nan == 1.0)
# expect: false
print(1.0 != nan)
# expect: false
print(nan < 1.0, nan > 1.0, nan <= nan, nan >= 1.0)
# expect: false
# expect: false
# expect: false
# expect: false
print(nan + 1.0)
# expect: NaN
print(nan * 0.0)
# expect: NaN
print(-nan)
# expect: NaN
if nan { print("NaN is truthy") }
# expect: NaN is truthy
print(not nan)
# expect: false
# NaN against an integer is a mixed comparison: null.
print(nan == 1)
# expect: null
