# Without the switch a script run writes nothing on either stream.
let total = 0
def bump(n) { return n + 1 }
total = bump(total)
