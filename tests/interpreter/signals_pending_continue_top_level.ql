# A continue executed at top level outside any loop stays pending until a
# loop finishes a round: every block entered before that stops after its
# first statement. A loop whose condition is false at once finishes no round
# and leaves it pending.
continue
print("top level still runs")
# expect: top level still runs
if true {
  print("a")
  print("b, skipped")
}
# expect: a
while false { }
if true {
  print("c")
  print("d, skipped")
}
# expect: c

# The first round stops after its first statement (so n is not increased
# in it), then the round ends and the continue is consumed.
let n = 0
while n < 3 {
  print(n)
  n += 1
}
# expect: 0
# expect: 0
# expect: 1
# expect: 2
if true {
  print("e")
  print("f")
}
# expect: e
# expect: f
