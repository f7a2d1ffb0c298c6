# A break executed at top level outside any loop stays pending: the
# following top-level statements still execute, but every block entered
# stops after its first statement, until a loop consumes the break.
print("one")
break
print("two")
# expect: one
# expect: two
if true {
  print("if: first statement")
  print("if: second statement, skipped")
}
# expect: if: first statement
def f() {
  print("f: first statement")
  print("f: second statement, skipped")
  return "wrong"
}
print(typeof(f()))
# expect: f: first statement
# expect: null
def g() { return "g returns at once" }
print(g())
# expect: g returns at once
match 1 {
  1 => {
    print("match: first statement")
    print("match: second statement, skipped")
  }
}
# expect: match: first statement

# The loop runs its body once, up to the first statement, and consumes it.
let i = 0
while i < 3 {
  print(i)
  i += 1
}
# expect: 0
print(i)
# expect: 0
if true {
  print("if again: first")
  print("if again: second")
}
# expect: if again: first
# expect: if again: second

# A while loop whose condition is false at once also consumes it,
break
while false { }
if true {
  print("after while false: first")
  print("after while false: second")
}
# expect: after while false: first
# expect: after while false: second

# and so does a for loop over an empty array.
break
for nothing in [] { }
if true {
  print("after an empty for: first")
  print("after an empty for: second")
}
# expect: after an empty for: first
# expect: after an empty for: second

# A function breaking at top level leaves the break pending in the same way.
def stop() { break }
stop()
if true {
  print("after stop(): first")
  print("after stop(): second, skipped")
}
# expect: after stop(): first
for z in [1, 2, 3] {
  print(z)
  print("wrong: skipped")
}
# expect: 1
if true {
  print("done: first")
  print("done: second")
}
# expect: done: first
# expect: done: second

# A loop that is the first statement of a function consumes the pending
# break, and the rest of the function then runs normally.
def loop_first() {
  while true {
    print("loop_first: first statement of the loop body")
    print("wrong: skipped")
    break
  }
  print("loop_first goes on")
  print("loop_first ends")
}
break
loop_first()
# expect: loop_first: first statement of the loop body
# expect: loop_first goes on
# expect: loop_first ends
