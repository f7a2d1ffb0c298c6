# In the interactive loop the window opened by one input stays open for the
# inputs after it, until the session ends.
# display
# args:
# stdin: window(320, 200)
# stdin: print(is_open(), window_width(), window_height())
# stdin: fill(rect(10, 10, 50, 50), color(255, 0, 0))
# stdin: draw(circle(160, 100, 40), color(255, 255, 255)) present()
# stdin: window(640, 480)
# stdin: clear() fill(triangle(0, 0, 100, 0, 50, 80), color(0, 0, 255)) present()
# stdin: print(window_width(), is_open())
# stdin: exit
# expect: Welcome to Quillo Interactive REPL!
# expect: Type 'exit' to quit.
# expect:
# expect: >>> >>> true
# expect: 320
# expect: 200
# expect: >>> >>> >>> >>> >>> 320
# expect: true
# expect: >>> Goodbye!
