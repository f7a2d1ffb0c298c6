# main is called with no arguments, so its parameters stay unbound and
# reading one finds the global of the same name, if a let made one. A
# return ends main and with it the run.
let greeting = "hello from a global"
def main(greeting, missing) {
  print(greeting)
  print(typeof(missing))
  return;
  print("not reached after main's return")
}
# expect: hello from a global
# expect: null
