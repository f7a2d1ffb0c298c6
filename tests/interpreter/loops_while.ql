# while checks its condition before every round; break leaves the
# innermost loop, continue skips the rest of the round. A condition that is
# not a boolean is judged by truthiness.
let i = 0
while i < 3 {
  print(i)
  i += 1
}
# expect: 0
# expect: 1
# expect: 2

# The condition is evaluated before every round, and once more at the end.
let k = 0
def more() {
  print("check " + typeof(k))
  return k < 2
}
while more() { k += 1 }
# expect: check number
# expect: check number
# expect: check number
print(k)
# expect: 2

# continue skips the rest of the body, break ends the loop.
let j = 0
while true {
  j += 1
  if j == 2 { continue }
  if j == 5 { break }
  print(j)
}
# expect: 1
# expect: 3
# expect: 4

# break inside a nested loop ends only that loop.
let a = 0
while a < 2 {
  let b = 0
  while true {
    if b == 2 { break }
    print(a * 10 + b)
    b += 1
  }
  a += 1
}
# expect: 0
# expect: 1
# expect: 10
# expect: 11

# A condition that is null or 0 runs the body zero times.
while null { print("wrong") }
while 0 { print("wrong") }
while 1 == 1.0 { print("wrong") }

# The pending break is consumed by the loop: later blocks run in full.
while true { break }
if true {
  print("after the loop, first")
  print("after the loop, second")
}
# expect: after the loop, first
# expect: after the loop, second
