# The type name of every variant that a script can make without graphics,
# including the results of operators: failed operations give null, integer
# overflow stays a number, a range is an array, functions are "unknown".
def f() { return 1 }

print(typeof(42))
# expect: number
print(typeof(-9223372036854775807 - 1))
# expect: number
print(typeof(9223372036854775807 + 1))
# expect: number
print(typeof(2 ** 64))
# expect: number
print(typeof(1.0))
# expect: float
print(typeof(3.0))
# expect: float
print(typeof(0.0 / 0.0))
# expect: float
print(typeof(1.0 / 0.0))
# expect: float
print(typeof("text"))
# expect: string
print(typeof("a" + "b"))
# expect: string
print(typeof(true))
# expect: boolean
print(typeof(1 < 2))
# expect: boolean
print(typeof(not 5))
# expect: boolean
print(typeof([1, 2]))
# expect: array
print(typeof(0..3))
# expect: array
print(typeof(3..0))
# expect: array
print(typeof({k: 1}))
# expect: dict
print(typeof({}))
# expect: dict
print(typeof(f))
# expect: unknown
print(typeof([f][0]))
# expect: unknown
print(typeof(f()))
# expect: number
print(typeof(undefined_name))
# expect: null
print(typeof(1 + 1.0))
# expect: null
print(typeof(1 == 1.0))
# expect: null
print(typeof([1][5]))
# expect: null
print(typeof(0.."3"))
# expect: null
