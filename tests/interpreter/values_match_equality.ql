# The equality that match uses: same variant and same value; floats equal
# when their difference is below 2 to the -52; null matches null; a number
# never matches a float; arrays, dicts and functions match nothing.
def same(subject, pattern) {
  match subject {
    pattern => { return "match" }
    _ => { return "no match" }
  }
}
def f() { }

print(same(1, 1))
# expect: match
print(same(1, 2))
# expect: no match
print(same(1, 1.0))
# expect: no match
print(same(1.0, 1))
# expect: no match
print(same(0.1 + 0.2, 0.3))
# expect: match
print(same(0.0, 0.0000000000000001))
# expect: match
print(same(0.0, 0.0000000000000003))
# expect: no match
print(same(0.0, -0.0))
# expect: match
print(same(1.0, 1.0000000000000002))
# expect: no match
print(same(9007199254740992.0, 9007199254740994.0))
# expect: no match
print(same(0.0 / 0.0, 0.0 / 0.0))
# expect: no match
print(same("abc", "abc"))
# expect: match
print(same("abc", "ABC"))
# expect: no match
print(same("", ""))
# expect: match
print(same("1", 1))
# expect: no match
print(same(true, true))
# expect: match
print(same(false, true))
# expect: no match
print(same(0, false))
# expect: no match
print(same(null, null))
# expect: match
print(same(null, false))
# expect: no match
print(same(false, null))
# expect: no match
print(same(undefined_one, undefined_two))
# expect: match
print(same([1], [1]))
# expect: no match
print(same([], []))
# expect: no match
print(same({}, {}))
# expect: no match
print(same(f, f))
# expect: no match
