# The sample script examples/text_tools.ql runs as documented.
# args: ../../examples/text_tools.ql
# expect: 9 words
# expect: longest: quick (5 letters)
# expect: [DOG, LAZY, THE, OVER, JUMPS, FOX, BROWN, QUICK, THE]
# expect: quick
# expect: true
# expect: true
# expect: 7 bytes, 5 characters
# expect: GRÜSSE
# expect: üß
