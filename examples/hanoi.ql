# Towers of Hanoi with three discs: recursion, and a move counter kept in a
# global variable that the recursive function updates.
let moves = 0

def move(disc_count, from, to, spare) {
    if disc_count == 0 { return; }
    move(disc_count - 1, from, spare, to)
    global moves
    moves += 1
    match disc_count {
        1 => print("move the small disc from " + from + " to " + to)
        2 => print("move the middle disc from " + from + " to " + to)
        3 => print("move the large disc from " + from + " to " + to)
    }
    move(disc_count - 1, spare, to, from)
}

def main() {
    move(3, "A", "C", "B")
    if moves == 2 ** 3 - 1 { print("done in the fewest moves: 7") }
}
