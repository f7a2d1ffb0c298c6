# len counts a string in UTF-8 bytes, an array in elements and a dict in
# entries; every other kind gives null.
def f() { }
print(len("héllo"), len(""), len("😀"), len("日本"), len("a\nb"), len("a\\b"))
# expect: 6
# expect: 0
# expect: 4
# expect: 6
# expect: 3
# expect: 3
print(len([]), len([1, [2, 3], "long text"]), len([[]]))
# expect: 0
# expect: 3
# expect: 1
print(len({}), len({a: 1, b: [1, 2, 3]}), len({a: 1, a: 2}))
# expect: 0
# expect: 2
# expect: 1
print(typeof(len(5)), typeof(len(1.5)), typeof(len(true)), typeof(len(null)), typeof(len(f)))
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
print(typeof(len("abc")), typeof(len([])))
# expect: number
# expect: number

# concat joins the display texts of its arguments with nothing between
# them, for every kind of value, with no implicit conversion trouble.
print(concat("x=", 1.5, true))
# expect: x=1.5true
print(concat(1, 2), typeof(concat(1, 2)))
# expect: 12
# expect: string
print(concat(-0.0, "|", 0.0, "|", 3.0, "|", -2.5))
# expect: -0|0|3|-2.5
print(concat(1000000000000000000000.0), concat(0.0000001), concat(0.1 + 0.2))
# expect: 1000000000000000000000
# expect: 0.0000001
# expect: 0.30000000000000004
print(concat(0.0 / 0.0, " ", 1.0 / 0.0, " ", -1.0 / 0.0))
# expect: NaN inf -inf
print(concat(-9223372036854775807 - 1, " ", 9223372036854775807))
# expect: -9223372036854775808 9223372036854775807
print(concat([1, [2, "a b"], []], null))
# expect: [1, [2, a b], []]null
print(concat({k: "v"}, f, false))
# expect: {k: v}<function>false
print(concat("é", "", "😀"), len(concat("é", "", "😀")))
# expect: é😀
# expect: 6
print(concat(), len(concat()), typeof(concat()))
# expect:
# expect: 0
# expect: string
print(concat(concat(1, 2), 3) == "123")
# expect: true
# The texts given to concat are not changed.
s = "ab"
t = concat(s, "c")
u = concat(s, s, s)
print(s, t, u)
# expect: ab
# expect: abc
# expect: ababab

# contains looks for the display text of its second argument as a run of
# bytes inside the display text of the first; it works on any kinds.
print(contains("abc", ""), contains("", ""), contains("", "a"))
# expect: true
# expect: true
# expect: false
print(contains("ab", "abc"), contains("abc", "abc"), contains("abc", "C"))
# expect: false
# expect: true
# expect: false
print(contains("héllo", "él"), contains("aaa", "aa"))
# expect: true
# expect: true
# Arrays are searched through their text, brackets and separators too.
print(contains([1, 2, 3], 2), contains([10, 20], 0), contains([1, 2], ", "), contains([1, 2], "[1"))
# expect: true
# expect: true
# expect: true
# expect: true
print(contains(["a b"], "a b"), contains([1, 2], [1]), contains([[1, 2]], [1, 2]))
# expect: true
# expect: false
# expect: true
# Numbers: digits, signs and decimal points.
print(contains(12345, 34), contains(12345, 35), contains(1.5, "."), contains(3.0, "."))
# expect: true
# expect: false
# expect: true
# expect: false
print(contains(-0.0, "-"), contains(0.1 + 0.2, 4), contains(-7, -7))
# expect: true
# expect: true
# expect: true
# Dicts: keys and values alike.
print(contains({key: "val"}, "key"), contains({key: "val"}, "val"), contains({key: "val"}, "y: v"))
# expect: true
# expect: true
# expect: true
# Other kinds through their names.
print(contains(true, "ru"), contains(null, "ul"), contains("x", null), contains(f, "func"))
# expect: true
# expect: true
# expect: false
# expect: true
print(typeof(contains(1, 2)))
# expect: boolean
