# A size of 0 opens a window one pixel wide or high. Only the low 32 bits of
# a size count, so 4294967296 (2^32) is 0 as well.
# display
window(0, 4294967296)
print(is_open(), window_width(), window_height())
# expect: true
# expect: 1
# expect: 1
# Drawing on so small a window paints at most its one pixel.
fill(rect(0, 0, 100, 100), color(255, 0, 0))
draw(circle(0, 0, 5), color(0, 255, 0))
fill(triangle(-10, -10, 10, -10, 0, 10), color(0, 0, 255))
present()
print(is_open())
# expect: true
