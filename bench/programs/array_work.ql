# Array work: each round builds an array with push, reads its last element
# with pop, reverses it, then sums the reversed array with a for loop and the
# original with an index loop bounded by len.
def main() {
    let rounds = 3500
    let m = 2000
    let total = 0
    for r in 0..rounds {
        let xs = []
        for i in 0..m {
            xs = push(xs, i * 3 + r)
            if i % 16 == 0 { total += pop(xs) }
        }
        let ys = reverse(xs)
        total += ys[0] + len(ys)
        for v in ys {
            total += v
        }
        let j = 0
        while j < len(xs) {
            total += xs[j] % 7
            j += 2
        }
    }
    print(total)
}
