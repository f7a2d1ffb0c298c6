# random() and random_range(lo, hi) give unpredictable values, so only
# properties of many draws are checked here, never the values themselves.
def note(tag, v) {
  print("eval " + tag)
  return v
}

# random(): floats in [0, 1), multiples of 2 to the power -53, with more
# than 32 bits in use, spread over the whole interval.
def check_random(n) {
  let outside = 0
  let not_float = 0
  let fractional = 0
  let finer_than_32_bits = 0
  let low = 0
  let sum = 0.0
  let repeats = 0
  let previous = -1.0
  let i = 0
  while i < n {
    let r = random()
    if typeof(r) != "float" { not_float += 1 }
    if (r < 0.0) or (r >= 1.0) { outside += 1 }
    if (r * 9007199254740992.0) % 1.0 != 0.0 { fractional += 1 }
    if (r * 4294967296.0) % 1.0 != 0.0 { finer_than_32_bits += 1 }
    if r < 0.5 { low += 1 }
    sum += r
    if r == previous { repeats += 1 }
    previous = r
    i += 1
  }
  print(concat("outside ", outside, ", not float ", not_float, ", finer than 2^-53 ", fractional))
  print(finer_than_32_bits > n / 2, (low > n * 4 / 10) and (low < n * 6 / 10))
  print((sum / 20000.0 > 0.45) and (sum / 20000.0 < 0.55), repeats)
}
check_random(20000)
# expect: outside 0, not float 0, finer than 2^-53 0
# expect: true
# expect: true
# expect: true
# expect: 0
print(typeof(random()), typeof(random(1, 2)))
# expect: float
# expect: float

# random_range(lo, hi): lo plus a signed remainder by hi - lo, so the
# results reach below lo. check_range counts results outside [want_lo,
# want_hi] and reports the smallest and largest result seen.
def check_range(lo, hi, want_lo, want_hi, n) {
  let outside = 0
  let not_number = 0
  let least = random_range(lo, hi)
  let most = least
  let i = 0
  while i < n {
    let v = random_range(lo, hi)
    if typeof(v) != "number" { not_number += 1 }
    if (v < want_lo) or (v > want_hi) { outside += 1 }
    if v < least { least = v }
    if v > most { most = v }
    i += 1
  }
  return concat("outside ", outside, ", not number ", not_number, ", seen ", least, "..", most)
}
# d = 1: the remainder is always 0.
print(check_range(5, 6, 5, 5, 2000))
# expect: outside 0, not number 0, seen 5..5
print(check_range(5.9, 6.9, 5, 5, 2000))
# expect: outside 0, not number 0, seen 5..5
print(check_range(0, 10, -9, 9, 20000))
# expect: outside 0, not number 0, seen -9..9
# Floats are truncated: lo 1, hi 3.
print(check_range(1.7, 3.2, 0, 2, 20000))
# expect: outside 0, not number 0, seen 0..2
# hi below lo mirrors around lo.
print(check_range(10, 0, 1, 19, 20000))
# expect: outside 0, not number 0, seen 1..19
print(check_range(-3, -5, -4, -2, 20000))
# expect: outside 0, not number 0, seen -4..-2
# The full 64-bit span wraps to d = -1, whose remainder is always 0.
smallest = -9223372036854775807 - 1
largest = 9223372036854775807
print(check_range(smallest, largest, smallest, smallest, 2000))
# expect: outside 0, not number 0, seen -9223372036854775808..-9223372036854775808
# From the largest to the smallest wraps to d = 1.
print(check_range(largest, smallest, largest, largest, 2000))
# expect: outside 0, not number 0, seen 9223372036854775807..9223372036854775807
print(typeof(random_range(smallest, 0)), typeof(random_range(0, largest)))
# expect: number
# expect: number

# Non-numeric bounds give null, after both have been evaluated.
print(typeof(random_range(note("lo", "a"), note("hi", 1))))
# expect: eval lo
# expect: eval hi
# expect: null
print(typeof(random_range(1, "b")), typeof(random_range(null, null)), typeof(random_range([1], 2)))
# expect: null
# expect: null
# expect: null

# An empty span (hi - lo is 0, also after float truncation or saturation)
# has no remainder; the result is null.
print(typeof(random_range(3, 3)), typeof(random_range(1.2, 1.9)))
# expect: null
# expect: null
print(typeof(random_range(1000000000000000000000.0, 2000000000000000000000.0)))
# expect: null
print(typeof(random_range(-0.5, 0.5)))
# expect: null
