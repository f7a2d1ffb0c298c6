# With a function named main, the run binds the top-level lets and defs
# once, in source order, and then calls main; no other top-level statement
# is executed. A top-level assignment (not a let) therefore never happens,
# and a let whose value calls a function defined further down gets null.
print("top-level print: never runs")
def tick() {
  print("tick evaluated")
  return "ticked"
}
let ticked = tick()
let early = helper()
let visible = 5
hidden = 5
def helper() { return "helper result" }
if true { print("top-level if: never runs") }

def main() {
  print("main runs")
  print(ticked)
  print(visible)
  print(typeof(hidden))
  print(typeof(early))
  print(helper())
  print(late)
  return "ignored"
}
let late = "let after main's definition"
print("last top-level print: never runs")
# expect: tick evaluated
# expect: main runs
# expect: ticked
# expect: 5
# expect: null
# expect: null
# expect: helper result
# expect: let after main's definition
