# Patterns are evaluated one at a time, in order, only up to the first arm
# that matches; a wildcard matches without evaluating anything, and no
# pattern after it is evaluated.
def p(tag, v) {
  print("pattern " + tag)
  return v
}
match 2 {
  p("one", 1) => print("took one")
  p("two", 2) => print("took two")
  p("three", 3) => print("took three")
}
# expect: pattern one
# expect: pattern two
# expect: took two

match 9 {
  p("a", 1) => print("took a")
  _ => print("took the wildcard")
  p("b", 9) => print("took b")
}
# expect: pattern a
# expect: took the wildcard

# Without a match every pattern is evaluated once.
match 0 {
  p("x", 1) => print("took x")
  p("y", 2) => print("took y")
}
# expect: pattern x
# expect: pattern y
