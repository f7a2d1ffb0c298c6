# A for loop over a range: sums the integers 0 .. n-1.
def main() {
    let n = 40000000
    let total = 0
    for i in 0..n {
        total += i
    }
    print(total)
}
