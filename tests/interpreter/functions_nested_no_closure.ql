# There are no closures. A function defined inside another is a local of
# that call and is gone when it returns; a copy returned to the caller can
# still be called, but its body sees the scopes active at that later call,
# not the variables of the function that defined it.
def outer() {
  let secret = "outer's secret"
  def inner() { return secret }
  print(inner())
  return inner
}
got = outer()
# expect: outer's secret
print(typeof(inner))
# expect: null
print(typeof(inner()))
# expect: null
print(typeof(got))
# expect: unknown
print(typeof(got()))
# expect: null
secret = "global secret"
print(got())
# expect: global secret
def wrapper() {
  let secret = "wrapper's secret"
  return got()
}
print(wrapper())
# expect: wrapper's secret
