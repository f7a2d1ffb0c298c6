# Opening the window on a virtual X server: sizes that cannot be had are
# reported and change nothing; the first size that works opens the window,
# and later calls leave it as it is.
# display

# A size of 2^31 or more is refused before SDL is asked; the width is looked
# at first, so with both too high only the width is reported.
window(-1, 100)
# expect-stderr: Failed to create window: Window width (4294967295) is too high.
window(100, -1)
# expect-stderr: Failed to create window: Window height (4294967295) is too high.
window(-1, -1)
# expect-stderr: Failed to create window: Window width (4294967295) is too high.
window(2147483648, 2147483648)
# expect-stderr: Failed to create window: Window width (2147483648) is too high.
# A size SDL itself refuses: its reason follows.
window(20000, 100)
# expect-stderr-match: Failed to create window: SDL error: .+
print(is_open(), window_width(), window_height())
# expect: false
# expect: null
# expect: null

# Floats are cut to integers; this one opens.
window(640.9, 480.2)
print(is_open(), window_width(), window_height())
# expect: true
# expect: 640
# expect: 480

# The window is opened once: another call neither resizes it nor reports.
window(800, 600)
window(-1, -1)
print(window_width(), window_height())
# expect: 640
# expect: 480

# Every shape kind drawn and filled, the window cleared, a frame shown:
# all of it gives null and the window stays open.
let shapes = [rect(10, 10, 100, 50), circle(320, 240, 60), triangle(5, 400, 200, 470, 90, 300),
              rect(0, 0, 0, 0), rect(-50, -50, -5, 10), circle(0, 0, -1), circle(600, 20, 0),
              triangle(-20000, 0, 20000, 5, 0, 20000)]
let count = 0
for s in shapes {
  if draw(s, color(255, 255, 255)) != null { print("draw gave a value") }
  if fill(s, color(count * 30, 255 - count * 30, 128)) != null { print("fill gave a value") }
  count += 1
}
# Wrong kinds paint nothing, as without a window.
print(draw(color(1, 2, 3), rect(0, 0, 5, 5)), fill(7, color(1, 2, 3)))
# expect: null
# expect: null
print(present())
# expect: null
print(clear(), present())
# expect: null
# expect: null
print(is_open(), count)
# expect: true
# expect: 8
