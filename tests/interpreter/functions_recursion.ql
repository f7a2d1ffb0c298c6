# Recursion: every call has its own scope. Factorial of 20 fits in 64 bits,
# of 21 it wraps around.
def fact(n) {
  if n <= 1 { return 1 }
  return n * fact(n - 1)
}
print(fact(20))
# expect: 2432902008176640000
print(fact(21))
# expect: -4249290049419214848
print(fact(0))
# expect: 1

def fib(n) {
  if n < 2 { return n }
  return fib(n - 1) + fib(n - 2)
}
print(fib(20))
# expect: 6765

def is_even(n) {
  if n == 0 { return true }
  return is_odd(n - 1)
}
def is_odd(n) {
  if n == 0 { return false }
  return is_even(n - 1)
}
print(is_even(10), is_odd(7), is_even(7))
# expect: true
# expect: true
# expect: false

# Each call keeps its own n across the recursive call.
def countdown(n) {
  if n == 0 { return; }
  print(n)
  countdown(n - 1)
  print(n)
}
countdown(3)
# expect: 3
# expect: 2
# expect: 1
# expect: 1
# expect: 2
# expect: 3

# Float recursion.
def halve(x, times) {
  if times == 0 { return x }
  return halve(x / 2.0, times - 1)
}
print(halve(1.0, 3))
# expect: 0.125
