# A range whose array cannot be built in memory writes a message to
# standard error and gives null; the run goes on.
print("before")
# expect: before
print(typeof(0..9223372036854775807))
# expect: null
# expect-stderr: Error: range too large: 9223372036854775807 elements do not fit in memory
# A huge float bound saturates to the same range.
print(0..1000000000000000000000.0)
# expect: null
# expect-stderr: Error: range too large: 9223372036854775807 elements do not fit in memory
print((-9223372036854775807 - 1)..9223372036854775807)
# expect: null
# expect-stderr-match: Error: range too large: \d+ elements do not fit in memory
for i in 0..9223372036854775807 { print("wrong") }
# expect-stderr: Error: range too large: 9223372036854775807 elements do not fit in memory
print("after")
# expect: after
