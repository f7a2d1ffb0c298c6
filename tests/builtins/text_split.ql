# split cuts the display text of its first argument at every occurrence of
# the display text of the second, scanning left to right without overlap.
# Empty pieces are kept. show() writes the number of pieces and each piece
# between angle brackets, so that empty strings can be seen.
def show(xs) {
  let t = ""
  for x in xs { t = t + "<" + x + ">" }
  return concat(len(xs), " ", t)
}

print(split("a,b,c", ","))
# expect: [a, b, c]
print(split("a,,b,", ","), show(split("a,,b,", ",")))
# expect: [a, , b, ]
# expect: 4 <a><><b><>
print(show(split(",a", ",")), show(split(",", ",")), show(split("abc", "abc")))
# expect: 2 <><a>
# expect: 2 <><>
# expect: 2 <><>
print(show(split("a-b", ",")), show(split("ab", "abc")), show(split("a,b", ",,")))
# expect: 1 <a-b>
# expect: 1 <ab>
# expect: 1 <a,b>

# Non-overlapping, from the left: "aaa" holds one "aa" at the start, then
# only "a" is left.
print(split("aaa", "aa"), show(split("aaa", "aa")))
# expect: [, a]
# expect: 2 <><a>
print(show(split("aaaa", "aa")), show(split("aaaaa", "aa")))
# expect: 3 <><><>
# expect: 3 <><><a>
print(show(split("abab", "aba")), show(split("a::b:::c", "::")))
# expect: 2 <><b>
# expect: 3 <a><b><:c>

# The empty text gives one empty piece.
print(split("", ","), show(split("", ",")), len(split("", ",")[0]))
# expect: []
# expect: 1 <>
# expect: 0

# An empty separator matches before every character and at the end.
print(split("abc", ""), show(split("abc", "")))
# expect: [, a, b, c, ]
# expect: 5 <><a><b><c><>
print(show(split("x", "")))
# expect: 3 <><x><>
# The empty text has no character but still its end: two empty pieces.
print(show(split("", "")))
# expect: 2 <><>
# With several bytes per character it still splits by characters.
print(show(split("héllo", "")), len(split("héllo", "")[2]))
# expect: 7 <><h><é><l><l><o><>
# expect: 2
print(show(split("😀日", "")), len(split("😀日", "")[1]))
# expect: 4 <><😀><日><>
# expect: 4

# Separators and texts with several bytes per character.
print(show(split("a😀b😀", "😀")), show(split("éaé", "é")))
# expect: 3 <a><b><>
# expect: 3 <><a><>

# Both arguments are used through their display texts.
print(split(1.5, "."), show(split(1.5, ".")))
# expect: [1, 5]
# expect: 2 <1><5>
print(split([1, 2], ", "), show(split([1, 2], ", ")))
# expect: [[1, 2]]
# expect: 2 <[1><2]>
print(show(split(12321, 2)), show(split("a1b1c", 1)), show(split(true, "u")))
# expect: 3 <1><3><1>
# expect: 3 <a><b><c>
# expect: 2 <tr><e>
print(show(split(null, "l")), show(split("xnullx", null)), show(split({k: "v"}, ": ")))
# expect: 3 <nu><><>
# expect: 2 <x><x>
# expect: 2 <{k><v}>
print(show(split(-0.0, "0")), show(split(0.1 + 0.2, "000")))
# expect: 2 <-><>
# expect: 6 <0.3><><><><><4>

# The pieces are strings, also when they look like numbers.
print(typeof(split(1.5, ".")), typeof(split(1.5, ".")[0]), is_number(split("1,2", ",")[1]))
# expect: array
# expect: string
# expect: false
print(split("1,2", ",")[0] == "1")
# expect: true
