# Without the switch, a script that writes interpreter diagnostics still
# ends with status 0 and writes nothing else on standard error.
print("start")
print(10 / 0)
print(typeof(0..9223372036854775807))
print("end")
# expect: start
# expect: 0
# expect: null
# expect: end
# expect-stderr: Error: division by zero
# expect-stderr: Error: range too large: 9223372036854775807 elements do not fit in memory
# exit: 0
