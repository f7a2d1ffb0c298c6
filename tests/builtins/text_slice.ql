# slice(text, start, end) works on characters: it skips the first start
# characters and takes the next end - start. Both bounds are read as
# unsigned 64-bit numbers and end - start wraps, so a negative start skips
# everything and an end below start takes the whole rest.
print(slice("hello", 1, 3), slice("hello", 0, 5), slice("abc", 0, 10))
# expect: el
# expect: hello
# expect: abc
print(len(slice("hello", 2, 2)), len(slice("hello", 5, 9)), len(slice("hello", 9, 12)), len(slice("", 0, 5)))
# expect: 0
# expect: 0
# expect: 0
# expect: 0
print(typeof(slice("", 0, 0)), typeof(slice("hello", 1, 3)))
# expect: string
# expect: string

# Characters, not bytes.
print(slice("héllo", 1, 3), len(slice("héllo", 1, 3)))
# expect: él
# expect: 3
print(slice("héllo", 0, 2), slice("héllo", 2, 5))
# expect: hé
# expect: llo
print(slice("a😀b", 1, 2), len(slice("a😀b", 1, 2)), slice("a😀b", 2, 3))
# expect: 😀
# expect: 4
# expect: b
print(len(slice("😀😀😀", 1, 3)), slice("日本語", 1, 2))
# expect: 8
# expect: 本
# A flag is two characters; a letter with a combining accent is two.
print(len(slice("🇫🇷", 0, 1)), slice("🇫🇷", 0, 1) == "🇫")
# expect: 4
# expect: true
print(slice("é", 0, 1), len(slice("é", 1, 2)))
# expect: e
# expect: 2

# Negative start: nothing is left.
print(len(slice("abc", -1, 2)), len(slice("abc", -1, -1)), len(slice("abc", -9223372036854775807 - 1, 2)))
# expect: 0
# expect: 0
# expect: 0
# End before start: the rest of the text after start.
print(slice("hello", 3, 1), slice("hello", 1, 0), slice("abc", 1, -1), slice("abc", 0, -1))
# expect: lo
# expect: ello
# expect: bc
# expect: abc
print(slice("abcdef", 2, -9223372036854775807 - 1), slice("abcdef", 4, 9223372036854775807))
# expect: cdef
# expect: ef
print(len(slice("abc", 9223372036854775807, 1)))
# expect: 0

# Float bounds are truncated toward zero and saturate; NaN counts as 0.
print(slice("abc", 2.9, 3), slice("abc", 0.9, 2.9), slice("abc", -0.5, 2))
# expect: c
# expect: ab
# expect: ab
print(slice("hello", 1, 3.0), slice("abc", 0.0 / 0.0, 2))
# expect: el
# expect: ab
print(slice("abc", 0, 1000000000000000000000.0), len(slice("abc", 1000000000000000000000.0, 0)))
# expect: abc
# expect: 0
print(len(slice("abc", -1000000000000000000000.0, 2)), slice("abc", 1, -1000000000000000000000.0))
# expect: 0
# expect: bc

# Only a string can be sliced, and only with numeric bounds.
print(typeof(slice([1, 2, 3], 0, 1)), typeof(slice(123, 0, 1)), typeof(slice(null, 0, 1)))
# expect: null
# expect: null
# expect: null
print(typeof(slice("abc", "0", 1)), typeof(slice("abc", 0, "1")), typeof(slice("abc", true, 1)), typeof(slice("abc", 0, null)))
# expect: null
# expect: null
# expect: null
# expect: null

# The sliced variable keeps its text.
s = "hello"
t = slice(s, 0, 1)
print(s, t)
# expect: hello
# expect: h
