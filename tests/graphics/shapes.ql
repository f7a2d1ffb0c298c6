# The shape values and the graphics built-ins before any window is open.
# Nothing here opens a window, so the script needs no display: every
# painting built-in must quietly give null and write nothing to standard
# error.
def note(tag, v) {
  print("eval " + tag)
  return v
}

# The four constructors and how their values print.
print(color(1, 2, 3))
# expect: Color(1, 2, 3)
print(rect(10, 20, 30, 40))
# expect: Rect(10, 20, 30, 40)
print(circle(5, 6, 7))
# expect: Circle(5, 6, 7)
print(triangle(1, 2, 3, 4, 5, 6))
# expect: Triangle(1, 2, 3, 4, 5, 6)

# Shapes are values like any other: they sit in arrays and dicts and print
# there in the same form; typeof does not name them.
print([rect(1, 2, 3, 4), {c: color(9, 8, 7)}])
# expect: [Rect(1, 2, 3, 4), {c: Color(9, 8, 7)}]
print(concat("at ", circle(1, 2, 3)))
# expect: at Circle(1, 2, 3)
print(typeof(color(1, 2, 3)), typeof(rect(1, 2, 3, 4)))
# expect: unknown
# expect: unknown
print(typeof(circle(1, 2, 3)), typeof(triangle(1, 2, 3, 4, 5, 6)))
# expect: unknown
# expect: unknown
# No operator takes shapes, not even ==.
print(rect(1, 2, 3, 4) == rect(1, 2, 3, 4), "" + color(1, 2, 3))
# expect: null
# expect: null

# Floats are cut toward zero before the low bits are kept.
print(rect(1.9, -2.9, 10, 20))
# expect: Rect(1, -2, 10, 20)
print(color(2.9, -0.5, 255.99))
# expect: Color(2, 0, 255)
print(circle(0.5, -0.5, 1.5))
# expect: Circle(0, 0, 1)
print(triangle(-1, -2, -3.7, 4.2, 0.1, -0.1))
# expect: Triangle(-1, -2, -3, 4, 0, 0)

# Colour components keep their low 8 bits.
print(color(256, -1, 300))
# expect: Color(0, 255, 44)
print(color(-255, 511, 1024))
# expect: Color(1, 255, 0)

# Coordinates keep their low 32 bits as a signed number, sizes and the
# radius as an unsigned one: a negative width is a very large one.
print(rect(0, 0, -5, 10))
# expect: Rect(0, 0, 4294967291, 10)
print(rect(2147483647, 2147483648, 4294967295, 4294967296))
# expect: Rect(2147483647, -2147483648, 4294967295, 0)
print(rect(-2147483648, -2147483649, 4294967297, -4294967295))
# expect: Rect(-2147483648, 2147483647, 1, 1)
print(circle(0, 0, -1))
# expect: Circle(0, 0, 4294967295)
print(triangle(4294967296, 2147483648, 9223372036854775807, -9223372036854775807 - 1, 0, 0))
# expect: Triangle(0, -2147483648, -1, 0, 0, 0)

# Floats beyond the integer range saturate first (to the largest and
# smallest integers, whose low 32 bits are -1 and 0); NaN counts as 0.
print(rect(pow(10.0, 300.0), -pow(10.0, 300.0), pow(10.0, 300.0), 0))
# expect: Rect(-1, 0, 4294967295, 0)
print(color(sqrt(-1), 0, pow(10.0, 300.0)))
# expect: Color(0, 0, 255)

# Any argument that is not a number gives null, after every argument was
# evaluated, left to right.
print(color(note("r", 1), note("g", "2"), note("b", 3)))
# expect: eval r
# expect: eval g
# expect: eval b
# expect: null
print(rect(note("x", null), note("y", 2), note("w", 3), note("h", 4)))
# expect: eval x
# expect: eval y
# expect: eval w
# expect: eval h
# expect: null
print(circle(note("x", 1), note("y", 2), note("r", true)))
# expect: eval x
# expect: eval y
# expect: eval r
# expect: null
print(triangle(note("x1", 1), note("y1", 2), note("x2", 3), note("y2", 4), note("x3", 5), note("y3", [6])))
# expect: eval x1
# expect: eval y1
# expect: eval x2
# expect: eval y2
# expect: eval x3
# expect: eval y3
# expect: null
# All numeric: the same order, and a shape.
print(circle(note("x", 1), note("y", 2), note("r", 3)))
# expect: eval x
# expect: eval y
# expect: eval r
# expect: Circle(1, 2, 3)

# Too few arguments: null, and none of them is evaluated.
print(color(note("r", 1), note("g", 2)))
# expect: null
print(rect(note("x", 1), note("y", 2), note("w", 3)))
# expect: null
print(circle(note("x", 1), note("y", 2)))
# expect: null
print(triangle(note("x1", 1), note("y1", 2), note("x2", 3), note("y2", 4), note("x3", 5)))
# expect: null
print(draw(note("shape", rect(0, 0, 1, 1))))
# expect: null
print(fill(note("shape", rect(0, 0, 1, 1))))
# expect: null
print(window(note("w", 640)))
# expect: null
print(color(), rect(), circle(), triangle(), draw(), fill(), window())
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
# expect: null
# Arguments beyond those a constructor uses are never evaluated.
print(color(1, 2, 3, note("extra", 4)))
# expect: Color(1, 2, 3)
print(draw(rect(0, 0, 1, 1), color(1, 1, 1), note("extra", 3)))
# expect: null

# Before any window, draw and fill still evaluate both arguments, left to
# right, and give null, whatever the arguments are.
print(draw(note("shape", rect(0, 0, 10, 10)), note("colour", color(255, 0, 0))))
# expect: eval shape
# expect: eval colour
# expect: null
print(fill(note("shape", circle(5, 5, 3)), note("colour", color(0, 255, 0))))
# expect: eval shape
# expect: eval colour
# expect: null
print(fill(note("shape", triangle(0, 0, 9, 0, 0, 9)), note("colour", color(0, 0, 255))))
# expect: eval shape
# expect: eval colour
# expect: null
print(draw(note("shape", 5), note("colour", "red")))
# expect: eval shape
# expect: eval colour
# expect: null
print(fill(note("shape", color(1, 2, 3)), note("colour", rect(1, 2, 3, 4))))
# expect: eval shape
# expect: eval colour
# expect: null

# present, clear and the queries take no arguments and never evaluate any
# they are given. Without a window, is_open() is false and the rest give
# null.
print(present(note("present", 1)))
# expect: null
print(clear(note("clear", 1)))
# expect: null
print(is_open(note("is_open", 1)))
# expect: false
print(window_width(note("window_width", 1)))
# expect: null
print(window_height(note("window_height", 1)))
# expect: null
print(present(), clear(), is_open(), window_width(), window_height())
# expect: null
# expect: null
# expect: false
# expect: null
# expect: null
print(typeof(is_open()))
# expect: boolean

# window evaluates both sizes before it looks at them; a size that is not a
# number gives null with nothing tried, so nothing is reported.
print(window(note("w", "640"), note("h", 480)))
# expect: eval w
# expect: eval h
# expect: null
print(window(note("w", 640), note("h", [480])))
# expect: eval w
# expect: eval h
# expect: null
print(is_open(), window_width())
# expect: false
# expect: null
