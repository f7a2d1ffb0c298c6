# A global statement executed in a function called by a top-level let,
# before main runs, stays in force for the whole run.
def declare() {
  global shared
  return "declared"
}
let d = declare()
def set_shared() { shared = "written by set_shared" }
def main() {
  set_shared()
  print(shared)
}
# expect: written by set_shared
