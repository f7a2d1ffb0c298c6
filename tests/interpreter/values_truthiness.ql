# Which values count as true in a condition. Everything is true except
# false, null, the integer 0 and the floats 0.0 and -0.0: an empty text, an
# empty array, an empty dict, a function and NaN are all true. `not` and `!`
# follow the same rule.
def check(label, v) {
  if v { print(label + ": true") } else { print(label + ": false") }
}
def noop() { }

check("0", 0)
# expect: 0: false
check("1", 1)
# expect: 1: true
check("-1", -1)
# expect: -1: true
check("0.0", 0.0)
# expect: 0.0: false
check("-0.0", -0.0)
# expect: -0.0: false
check("0.5", 0.5)
# expect: 0.5: true
check("NaN", 0.0 / 0.0)
# expect: NaN: true
check("inf", 1.0 / 0.0)
# expect: inf: true
check("empty text", "")
# expect: empty text: true
check("text 0", "0")
# expect: text 0: true
check("text false", "false")
# expect: text false: true
check("empty array", [])
# expect: empty array: true
check("array of zero", [0])
# expect: array of zero: true
check("empty dict", {})
# expect: empty dict: true
check("true", true)
# expect: true: true
check("false", false)
# expect: false: false
check("null", null)
# expect: null: false
check("undefined name", never_assigned)
# expect: undefined name: false
check("function", noop)
# expect: function: true
check("result of a failed operation", 1 + 1.0)
# expect: result of a failed operation: false

# The same rule through not and !
print(not 0, not 0.0, not -0.0, not (0.0 / 0.0))
# expect: true
# expect: true
# expect: true
# expect: false
print(not "", not [], not {}, not null, not noop)
# expect: false
# expect: false
# expect: false
# expect: true
# expect: false
print(!1, !false, !"x")
# expect: false
# expect: true
# expect: false

# while uses the same rule: an empty text keeps the loop going.
let rounds = 0
while "" {
  rounds += 1
  if rounds == 3 { break }
}
print(rounds)
# expect: 3
