# input writes its prompt's display text with no line feed after it, then
# reads one line and returns it with the Unicode white space at both ends
# removed. Since output goes to a pipe here, prompts and printed lines
# simply follow each other.
# stdin: yes
# stdin:   yes \r
# stdin: \t a b \t
# stdin: \xc2\xa0nbsp\xc2\xa0
# stdin: \xe3\x80\x80ideographic\xe3\x80\x80
# stdin: \xe2\x80\x8bzero-width\xe2\x80\x8b
# stdin: \xe2\x80\x83em\xe2\x80\x83\xe2\x80\xa8
# stdin: next
# stdin:
# stdin: \x20\x20\x20
# stdin: Ünïcödé
# stdin: \xff\xfe
# stdin: after bad
# stdin: 42
# stdin: last line
# stdin: \x0b\x0c\xc2\x85\xe2\x80\xafvt ff nel nnbsp\xe2\x80\xa9\xe1\x9a\x80
# stdin: \xef\xbb\xbfbom
# stdin: a\x00b
# stdin: \xc0\xafoverlong
# stdin: \xed\xa0\x80surrogate
# stdin: still read
# stdin-raw: no line feed
print("start")
# expect: start
# No argument: nothing written, nothing read, null.
print(typeof(input()))
# expect: null
a = input("> ")
print("[" + a + "]")
# expect: > [yes]
# Blanks, tabs and a carriage return are trimmed; inner blanks stay.
b = input("? ")
print("[" + b + "]", len(b))
# expect: ? [yes]
# expect: 3
c = input("")
print("[" + c + "]")
# expect: [a b]
# The no-break space and the ideographic space are white space.
d = input("")
print("[" + d + "]", len(d))
# expect: [nbsp]
# expect: 4
e = input("")
print("[" + e + "]", len(e))
# expect: [ideographic]
# expect: 11
# The zero-width space is not white space and stays.
z = input("")
print(len(z), contains(z, "zero-width"))
# expect: 16
# expect: true
# The em space and the line separator are white space.
m = input("")
print("[" + m + "]")
# expect: [em]
# The prompt is any value's display text.
n = input(42)
print("|" + n)
# expect: 42|next
p = input([1, "a"])
print("|" + p + "|", typeof(p))
# expect: [1, a]||
# expect: string
q = input(null)
print("|" + q + "|")
# expect: null||
r = input(1.5)
print(r, len(r))
# expect: 1.5Ünïcödé
# expect: 11
# A line that is not valid UTF-8 gives the empty string; the next line is
# still there.
s = input("")
print("|" + s + "|", typeof(s))
# expect: ||
# expect: string
t = input("")
print(t)
# expect: after bad
# A line of digits stays a string.
u = input("")
print(typeof(u), u == "42")
# expect: string
# expect: true
v = input("")
print(v)
# expect: last line
# More white space: vertical tab, form feed, next line, narrow no-break
# space, paragraph separator, ogham space mark.
v = input("")
print("[" + v + "]")
# expect: [vt ff nel nnbsp]
# A byte order mark is not white space and stays.
v = input("")
print(len(v), slice(v, 1, 4))
# expect: 6
# expect: bom
# A NUL byte is an ordinary character of the line.
v = input("")
print(len(v))
# expect: 3
# An overlong encoding and an encoded surrogate are not UTF-8.
v = input("")
w = input("")
print(len(v), len(w), input(""))
# expect: 0
# expect: 0
# expect: still read
# The last line needs no line feed.
v = input("")
print("[" + v + "]")
# expect: [no line feed]
# At the end of input: the empty string, every time.
w = input("end? ")
print("|" + w + "|", typeof(w))
# expect: end? ||
# expect: string
x = input("")
print(len(x))
# expect: 0
