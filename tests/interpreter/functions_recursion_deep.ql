# Recursion 100000 calls deep works.
# timeout: 120
def depth(n) {
  if n == 0 { return 0 }
  return 1 + depth(n - 1)
}
print(depth(100000))
# expect: 100000
def sum_to(n) {
  if n == 0 { return 0 }
  let rest = sum_to(n - 1)
  return n + rest
}
print(sum_to(100000))
# expect: 5000050000
