# A break executed while the top-level lets are evaluated, before main is
# called, is still pending when main runs: nothing clears it but a loop, so
# main's body stops after its first statement.
def quiet_break() { break }
let x = quiet_break()
def main() {
  print("main: first statement")
  print("main: second statement, skipped")
}
# expect: main: first statement
