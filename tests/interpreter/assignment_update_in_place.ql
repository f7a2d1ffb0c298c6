# Updating a variable from its own value: `x = x + e` and `x += e` read x
# before e is evaluated, and the result is independent of every other value
# that held the same text or number.
def bump() {
    global x
    x = 100
    return 1
}
def main() {
    # The call changes x after x was read: the old value, 1, counts.
    global x
    x = 1
    x = x + bump()
    print(x)
    x = 1
    x += bump()
    print(x)

    # A text extended piece by piece; a copy taken midway keeps its value.
    let s = ""
    let copy = ""
    for i in 0..5 {
        s = s + "ab"
        if i == 2 { copy = s }
    }
    print(s)
    print(copy)

    # Extending a text that another variable shares leaves the other alone.
    let t = "base"
    let u = t
    t += "+more"
    print(t)
    print(u)
    u = u + u
    print(u)
    print(t)

    # Numbers, floats, mixed kinds and undefined names.
    let n = 5
    n = n * 3
    n -= 2
    print(n)
    let f = 1.5
    f += 2.25
    print(f)
    let m = 1
    m += 1.0
    print(typeof(m))
    undefined_name += "x"
    print(typeof(undefined_name))

    # Inside a call: the local is updated, the global stays.
    let g = "global"
    grow()
    print(g)
}
def grow() {
    g = g + "!"
    g = g + "?"
    print(g)
}
# expect: 2
# expect: 2
# expect: ababababab
# expect: ababab
# expect: base+more
# expect: base
# expect: basebase
# expect: base+more
# expect: 13
# expect: 3.75
# expect: null
# expect: null
# expect: global!?
# expect: global
