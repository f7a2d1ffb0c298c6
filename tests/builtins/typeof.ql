# typeof gives the type name of its argument as a string. It needs one
# argument (without one it gives null), evaluates it once, and ignores and
# never evaluates further arguments.
def note(tag, v) {
  print("evaluating " + tag)
  return v
}
def f() { }
print(typeof(1), typeof(-1), typeof(1.0), typeof("1"), typeof(""))
# expect: number
# expect: number
# expect: float
# expect: string
# expect: string
print(typeof(true), typeof([]), typeof({}), typeof(f), typeof(undefined_name))
# expect: boolean
# expect: array
# expect: dict
# expect: unknown
# expect: null
print(typeof())
# expect: null
print(typeof(typeof()))
# expect: null
print(typeof(typeof(1)))
# expect: string
print(typeof(1) + "!")
# expect: number!
print(typeof(1) == "number")
# expect: true
print(typeof(note("once", 2)))
# expect: evaluating once
# expect: number
print(typeof(1, note("extra", 2)))
# expect: number
print(typeof(typeof))
# expect: null
