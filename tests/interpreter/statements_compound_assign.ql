# +=, -=, *= and /= read the variable (null if undefined), evaluate the
# value, apply the operator and store the result. Mismatched types store
# null; integer /= 0 writes the division message and stores 0.
let n = 10
n -= 3
print(n)
# expect: 7
n *= 2
print(n)
# expect: 14
n /= 4
print(n)
# expect: 3
n += -5
print(n)
# expect: -2
n /= 0
print(n)
# expect: 0
# expect-stderr: Error: division by zero

let f = 1.5
f += 1.0
print(f)
# expect: 2.5
f /= 2.0
print(f)
# expect: 1.25
f *= -1.0
print(f)
# expect: -1.25
f -= 0.25
print(f)
# expect: -1.5
f /= 0.0
print(f)
# expect: -inf

let s = "ab"
s += "cd"
print(s)
# expect: abcd

let big = 9223372036854775807
big += 1
print(big)
# expect: -9223372036854775808

# Undefined name: null plus anything is null.
u += 1
print(typeof(u))
# expect: null
# Mixed variants.
let m = 1
m += 1.0
print(typeof(m))
# expect: null
let arr = [1]
arr += [2]
print(typeof(arr))
# expect: null
let b = true
b += true
print(typeof(b))
# expect: null
let t = "x"
t *= 3
print(typeof(t))
# expect: null

# The old value is read before the value expression is evaluated.
def bump() {
  global total
  total = 100
  return 5
}
total = 1
total += bump()
print(total)
# expect: 6
