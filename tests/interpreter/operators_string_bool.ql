# Strings support + (concatenation) and exact == / !=; they have no
# ordering and no other operators. Booleans support and, or, == and !=.
print("ab" + "cd")
# expect: abcd
print("" + "")
# expect:
print("a" + "" + "b")
# expect: ab
print("héllo " + "wörld")
# expect: héllo wörld
print("line" + "\n" + "break")
# expect: line
# expect: break
let s = "x"
s = s + s
s = s + s
print(s)
# expect: xxxx
print("ab" == "ab", "ab" == "abc", "ab" != "AB", "" == "", "a " == "a")
# expect: true
# expect: false
# expect: true
# expect: true
# expect: false
print("a" < "b")
# expect: null
print("a" > "b")
# expect: null
print("a" <= "a")
# expect: null
print("n=" + 5)
# expect: null
print(5 + "n")
# expect: null
print("a" * 3)
# expect: null
print("ab" - "b")
# expect: null
print("a" and "b")
# expect: null

print(true == true, true != false, true == false, false != false)
# expect: true
# expect: true
# expect: false
# expect: false
print(true < false)
# expect: null
print(true + true)
# expect: null
print(true == 1)
# expect: null
