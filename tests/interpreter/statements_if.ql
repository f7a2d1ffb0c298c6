# if runs its first block when the condition is true by the truthiness
# rule, otherwise the else block if there is one. A comparison that yields
# null counts as false. There is no else-if: after `else` a second `if` is
# an independent statement.
if 1 { print("1 is true") }
# expect: 1 is true
if 0 { print("wrong") } else { print("0 is false") }
# expect: 0 is false
if null { print("wrong") } else { print("null is false") }
# expect: null is false
if "" { print("empty text is true") }
# expect: empty text is true
if 1 == 1.0 { print("wrong") } else { print("mixed comparison is false") }
# expect: mixed comparison is false
if 0.0 / 0.0 { print("NaN is true") }
# expect: NaN is true
if false { print("wrong") }
if true { } else { print("wrong") }
if false { } else { }

# Nested branches.
let v = 7
if v > 5 {
  if v > 10 { print("big") } else { print("medium") }
} else {
  print("small")
}
# expect: medium

# The condition is evaluated once.
def cond() {
  print("condition evaluated")
  return false
}
if cond() { print("wrong") } else { print("else branch") }
# expect: condition evaluated
# expect: else branch

# `else if` is an if with no else part followed by a separate if.
if true { print("first if") } else if true { print("second if, separate") }
# expect: first if
# expect: second if, separate
