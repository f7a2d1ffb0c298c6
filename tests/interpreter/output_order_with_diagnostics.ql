# Standard output is buffered, but it is flushed before every diagnostic:
# with both streams on one pipe (as on a terminal) each message comes after
# the lines printed before it.
def main() {
    print("one")
    print("two")
    print(1 / 0)
    print("three")
    let r = 0..9223372036854775807
    print("four")
    let y = 5 % 0
}
# expect: one
# expect: two
# expect: 0
# expect: three
# expect: four
# expect-stderr: Error: division by zero
# expect-stderr: Error: range too large: 9223372036854775807 elements do not fit in memory
# expect-stderr: Error: division by zero
# expect-both: one
# expect-both: two
# expect-both: Error: division by zero
# expect-both: 0
# expect-both: three
# expect-both: Error: range too large: 9223372036854775807 elements do not fit in memory
# expect-both: four
# expect-both: Error: division by zero
