# The text form of integers, strings, booleans and null. Strings print as
# their bare text: no quotes, no escaping.
print(0)
# expect: 0
print(42)
# expect: 42
print(-42)
# expect: -42
print(007)
# expect: 7
print(9223372036854775807)
# expect: 9223372036854775807
print(-9223372036854775807 - 1)
# expect: -9223372036854775808
print("plain text")
# expect: plain text
print("with \"quotes\" inside")
# expect: with "quotes" inside
print("")
# expect:
print("  two blanks each side  ")
# expect: \x20 two blanks each side \x20
print("tab\there")
# expect: tab\there
print("two\nlines")
# expect: two
# expect: lines
print("back\\slash")
# expect: back\\slash
print("héllo wörld")
# expect: héllo wörld
print(true)
# expect: true
print(false)
# expect: false
print(null)
# expect: null
print(undefined_name)
# expect: null
