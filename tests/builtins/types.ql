# The type tests: is_number is true for integers and floats alike,
# is_string, is_array and is_dict for their one kind; every other value,
# null and functions included, gives false. tests() writes the four
# answers in the order number, string, array, dict.
def tests(v) {
  return concat(is_number(v), " ", is_string(v), " ", is_array(v), " ", is_dict(v))
}
def f() { }
print(tests(1), tests(-9223372036854775807 - 1), tests(0))
# expect: true false false false
# expect: true false false false
# expect: true false false false
print(tests(1.5), tests(-0.0), tests(0.0 / 0.0), tests(1.0 / 0.0))
# expect: true false false false
# expect: true false false false
# expect: true false false false
# expect: true false false false
print(tests(""), tests("1"), tests("[]"))
# expect: false true false false
# expect: false true false false
# expect: false true false false
print(tests([]), tests([1, "a"]), tests([{}]))
# expect: false false true false
# expect: false false true false
# expect: false false true false
print(tests({}), tests({a: [1]}))
# expect: false false false true
# expect: false false false true
print(tests(true), tests(false), tests(null), tests(f))
# expect: false false false false
# expect: false false false false
# expect: false false false false
# expect: false false false false
# Written directly, without passing through a function's parameter.
print(is_number(undefined_name), is_string(null), is_array(f), is_dict(f))
# expect: false
# expect: false
# expect: false
# expect: false
print(typeof(is_number(1)), typeof(is_dict(null)))
# expect: boolean
# expect: boolean

# The kind of each built-in's result.
print(typeof(len("a")), typeof(len([])), typeof(concat(1)), typeof(split("a", "b")))
# expect: number
# expect: number
# expect: string
# expect: array
print(typeof(split("a", "b")[0]), typeof(slice("ab", 0, 1)), typeof(contains("a", "b")))
# expect: string
# expect: string
# expect: boolean
print(typeof(upper("a")), typeof(lower("A")), typeof(push([], 1)), typeof(reverse([])))
# expect: string
# expect: string
# expect: array
# expect: array
print(typeof(pop(["x"])), typeof(pop([[1]])), typeof(pop([{}])), typeof(typeof(1)))
# expect: string
# expect: array
# expect: dict
# expect: string
print(typeof(sqrt(4)), typeof(sqrt(4.0)), typeof(floor(1.5)), typeof(floor(2)))
# expect: float
# expect: float
# expect: number
# expect: number
print(typeof(ceil(1.5)), typeof(round(1.5)), typeof(round(3)), typeof(abs(-1)), typeof(abs(-1.5)))
# expect: number
# expect: number
# expect: number
# expect: number
# expect: float
print(typeof(pow(2, 2)), typeof(pow(2.0, 2.0)), typeof(min(1, 2)), typeof(max(1, 2)))
# expect: float
# expect: float
# expect: float
# expect: float
print(typeof(random()), typeof(random_range(5, 6)), typeof(print()), typeof(input("")))
# expect: float
# expect: number
# expect: null
# expect: string
