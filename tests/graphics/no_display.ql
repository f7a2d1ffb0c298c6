# Without any display to show a window on, window() reports that the video
# subsystem cannot be had, on one line of standard error, and the script
# goes on. The golden runner hides the developer's own display, and SDL's
# drivers that show nothing are not offered.
window(640, 480)
# expect-stderr-match: Failed to get video subsystem: .+
print(is_open())
# expect: false
print(window_width(), window_height())
# expect: null
# expect: null

# Nothing was opened, so a later call tries again and fails again.
window(640, 480)
# expect-stderr-match: Failed to get video subsystem: .+
print(is_open())
# expect: false

# A size that is not a number tries nothing and reports nothing.
window("640", 480)
print(is_open())
# expect: false

# The painting built-ins still paint nothing, say nothing and give null.
print(draw(rect(0, 0, 10, 10), color(255, 255, 255)), clear(), present())
# expect: null
# expect: null
# expect: null
print("done")
# expect: done
