# match evaluates its subject once and takes the first arm whose pattern
# matches (same variant and value, floats within 2 to the -52, null matches
# null); `_` matches anything; with no matching arm nothing happens.
match 2 {
  1 => print("one")
  2 => print("two")
  2 => print("two again")
  _ => print("wildcard")
}
# expect: two

match 5 { 1 => print("one") 2 => print("two") }
match 5 { 1 => print("one") _ => print("wildcard") }
# expect: wildcard

# A float subject never matches an integer pattern.
match 1.0 {
  1 => print("integer arm")
  _ => print("wildcard after the integer arm")
}
# expect: wildcard after the integer arm
match 1.0 { 1.0 => print("float arm") }
# expect: float arm
match 0.1 + 0.2 { 0.3 => print("close enough") }
# expect: close enough

# Null matches null, although null == null is null.
match null {
  null => print("null arm")
  _ => print("wildcard")
}
# expect: null arm
print(null == null)
# expect: null
match undefined_subject { also_undefined => print("null arm again") }
# expect: null arm again

match "abc" { "ABC" => print("wrong") "abc" => print("text arm") }
# expect: text arm
match true { 1 => print("wrong") true => print("boolean arm") }
# expect: boolean arm

# Arrays and dicts only reach the wildcard.
match [1] {
  [1] => print("wrong")
  _ => print("array reached the wildcard")
}
# expect: array reached the wildcard
match {} { {} => print("wrong") }

# Patterns are ordinary expressions.
let four = 4
match 2 + 2 {
  1 + 2 => print("wrong")
  four => print("variable pattern")
}
# expect: variable pattern

# Arm bodies in braces hold several statements.
match 3 {
  3 => {
    print("first statement")
    print("second statement")
  }
}
# expect: first statement
# expect: second statement

# A `;` keeps an arm body apart from a pattern that starts with a minus.
match -1 {
  1 => print("one");
  -1 => print("minus one")
}
# expect: minus one

# The subject is evaluated once.
def subject() {
  print("subject evaluated")
  return 3
}
match subject() { 1 => print("one") 2 => print("two") 3 => print("three") }
# expect: subject evaluated
# expect: three
