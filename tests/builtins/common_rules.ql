# Rules every built-in follows: a call with fewer argument expressions than
# the built-in needs gives null and evaluates none of them; the arguments it
# uses are evaluated once each, left to right; arguments beyond those are
# never evaluated; and a script function of the same name is never called.
def note(tag, v) {
  print("eval " + tag)
  return v
}

# Too few arguments: null, and nothing is evaluated.
print(typeof(slice(note("slice a", "abc"), 1)))
# expect: null
print(typeof(slice(note("slice a", "abc"))))
# expect: null
print(typeof(push(note("push a", [1]))))
# expect: null
print(typeof(contains(note("contains a", "abc"))))
# expect: null
print(typeof(split(note("split a", "a,b"))))
# expect: null
print(typeof(pow(note("pow a", 2))))
# expect: null
print(typeof(min(note("min a", 1))))
# expect: null
print(typeof(max(note("max a", 1))))
# expect: null
print(typeof(random_range(note("random_range lo", 1))))
# expect: null
print(typeof(len()), typeof(pop()), typeof(reverse()), typeof(upper()), typeof(lower()))
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
print(typeof(sqrt()), typeof(floor()), typeof(ceil()), typeof(round()), typeof(abs()))
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
print(typeof(input()), typeof(typeof()))
# expect: null
# expect: null
# The built-ins without a minimum still give their normal result.
print(typeof(concat()), len(concat()))
# expect: string
# expect: 0

# Type tests with no argument are false, not null.
print(is_number(), is_string(), is_array(), is_dict())
# expect: false
# expect: false
# expect: false
# expect: false
print(typeof(is_array()))
# expect: boolean

# An argument of the wrong kind stops the built-in only after the arguments
# it has already evaluated: push looks at its array first and leaves the
# value alone, while slice evaluates all three before checking.
print(typeof(push(note("push target", 5), note("push value", 1))))
# expect: eval push target
# expect: null
print(typeof(slice(note("slice text", 5), note("slice start", 0), note("slice end", 1))))
# expect: eval slice text
# expect: eval slice start
# expect: eval slice end
# expect: null

# Left to right, each once.
print(contains(note("text", "abc"), note("part", "b")))
# expect: eval text
# expect: eval part
# expect: true
print(split(note("text", "a-b"), note("sep", "-")))
# expect: eval text
# expect: eval sep
# expect: [a, b]
print(slice(note("s", "hello"), note("from", 1), note("to", 3)))
# expect: eval s
# expect: eval from
# expect: eval to
# expect: el
print(concat(note("c1", "x"), note("c2", 1), note("c3", true)))
# expect: eval c1
# expect: eval c2
# expect: eval c3
# expect: x1true
print(pow(note("base", 2), note("exp", 3)))
# expect: eval base
# expect: eval exp
# expect: 8
print(max(note("m1", 1), note("m2", 5), note("m3", 2)))
# expect: eval m1
# expect: eval m2
# expect: eval m3
# expect: 5
print(push(note("array", [1]), note("value", 2)))
# expect: eval array
# expect: eval value
# expect: [1, 2]
print(len(note("once", "abc")))
# expect: eval once
# expect: 3

# Arguments past those used are never evaluated.
print(len("a", note("len extra", 1)))
# expect: 1
print(typeof(1, note("typeof extra", 1)))
# expect: number
print(typeof(random(note("random arg", 1))))
# expect: float
print(push([], 1, note("push extra", 2)))
# expect: [1]
print(pop([1, 2], note("pop extra", 3)))
# expect: 2
print(reverse([1, 2], note("reverse extra", 3)))
# expect: [2, 1]
print(contains("abc", "c", note("contains extra", 1)))
# expect: true
print(split("a b", " ", note("split extra", 1)))
# expect: [a, b]
print(slice("abc", 0, 2, note("slice extra", 1)))
# expect: ab
print(upper("a", note("upper extra", 1)), lower("B", note("lower extra", 1)))
# expect: A
# expect: b
print(is_number(1, note("is_number extra", 1)), is_string("s", note("is_string extra", 1)))
# expect: true
# expect: true
print(is_array([], note("is_array extra", 1)), is_dict({}, note("is_dict extra", 1)))
# expect: true
# expect: true
print(sqrt(4, note("sqrt extra", 1)), floor(1.5, note("floor extra", 1)), ceil(1.5, note("ceil extra", 1)))
# expect: 2
# expect: 1
# expect: 2
print(round(1.5, note("round extra", 1)), abs(-1, note("abs extra", 1)), pow(2, 2, note("pow extra", 1)))
# expect: 2
# expect: 1
# expect: 4
print(random_range(5, 6, note("random_range extra", 1)))
# expect: 5
print(len(input("", note("input extra", 1))))
# expect: 0

# A script function named like a built-in is stored, but a call by that
# name always runs the built-in, and its argument is evaluated only once.
def len(x) {
  print("the script's len ran")
  return 0
}
def split(a, b) { return "the script's split" }
print(len("abc"))
# expect: 3
print(len(note("arg", [1, 2])))
# expect: eval arg
# expect: 2
print(split("a.b", "."))
# expect: [a, b]
print(typeof(len))
# expect: unknown
