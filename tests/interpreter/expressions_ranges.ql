# start..end is the array of integers from start up to end, end excluded;
# it never counts down. Float bounds are truncated toward zero; any other
# bound gives null, after both bounds have been evaluated. The range binds
# looser than + and -, tighter than comparisons.
print(0..3)
# expect: [0, 1, 2]
print(3..0)
# expect: []
print(2..2)
# expect: []
print(-1..3)
# expect: [-1, 0, 1, 2]
print(-3..-1)
# expect: [-3, -2]
print(0..1 + 2)
# expect: [0, 1, 2]
print(1 + 1..4)
# expect: [2, 3]
print(0.9..3.7)
# expect: [0, 1, 2]
print(0..3.5)
# expect: [0, 1, 2]
let n = 4
print(0..n)
# expect: [0, 1, 2, 3]
print(0.."3")
# expect: null
print("0"..3)
# expect: null
print(null..3)
# expect: null
print(0..true)
# expect: null
print(0..[3])
# expect: null

# Both bounds are evaluated even when the first one is unusable.
def note(tag, v) {
  print(tag)
  return v
}
print(note("start", "x")..note("end", 2))
# expect: start
# expect: end
# expect: null

# Ranges compare like arrays: not at all.
print(0..3 == 0..3)
# expect: null

let total = 0
for i in 1..101 { total += i }
print(total)
# expect: 5050
