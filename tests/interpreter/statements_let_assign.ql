# let and plain assignment both store a value under a name, creating or
# replacing it; an expression used as a statement is evaluated and its
# value dropped, without printing anything.
let x = 1
let x = 2
print(x)
# expect: 2
x = 3
print(x)
# expect: 3
fresh = "made by assignment"
print(fresh)
# expect: made by assignment
let x = "now a string"
print(x)
# expect: now a string
let empty = [  ]
print(empty)
# expect: []

# Expression statements print nothing.
1 + 2
"text"
x
[1, 2, 3]
{k: 1}
0..3
def side_effect() { print("called for its effect") }
side_effect()
# expect: called for its effect
