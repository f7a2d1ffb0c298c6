# When the name main holds something other than a function once the lets
# and defs are bound, the run executes every top-level statement in order,
# the defs and lets included, and calls nothing by itself.
def main() { print("main: never called") }
let main = 1
print("top level runs")
# expect: top level runs
print(typeof(main))
# expect: number
print(typeof(main()))
# expect: null
