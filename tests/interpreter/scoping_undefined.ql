# A name that was never assigned reads as null wherever it is read: at top
# level, inside a function, as an operand, an index or an iterable.
print(never_set)
# expect: null
print(typeof(never_set))
# expect: null
def reader() { return also_never_set }
print(typeof(reader()))
# expect: null
print(typeof(never_set + 1))
# expect: null
print(typeof(never_set[0]))
# expect: null
print(typeof(never_set.field))
# expect: null
for item in never_set { print("not reached") }
print(typeof(item))
# expect: null
# Names are compared exactly: no case folding.
let Name = "upper"
print(typeof(name))
# expect: null
print(Name)
# expect: upper
