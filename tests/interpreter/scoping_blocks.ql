# Blocks create no scope: a variable first assigned inside an if, while,
# for, match or try body lives on after it, in the same scope (the globals
# at top level, the current call inside a function).
if true { let inside_if = "from if" }
print(inside_if)
# expect: from if

let turns = 0
while turns < 1 {
  let inside_while = "from while"
  turns += 1
}
print(inside_while)
# expect: from while

for i in [1, 2] { let inside_for = i * 10 }
print(inside_for)
# expect: 20
print(i)
# expect: 2

match 1 { 1 => { let inside_match = "from match" } }
print(inside_match)
# expect: from match

try { let inside_try = "from try" } catch e { }
print(inside_try)
# expect: from try

if false { } else { let inside_else = "from else" }
print(inside_else)
# expect: from else

# Inside a function the variable is a local of the call.
def f() {
  if true { let in_function = "local of f" }
  print(in_function)
}
f()
# expect: local of f
print(typeof(in_function))
# expect: null
