# When main is defined twice the later definition is the one that runs,
# exactly once. A top-level return would not stop anything, since only
# lets and defs are executed before main.
def main() { print("first main") }
return
def main() { print("second main") }
# expect: second main
