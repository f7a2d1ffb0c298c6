# Prime numbers below 100 by trial division. Shows while and for loops over a
# range, integer / and %, early returns, and building text with concat.
def is_prime(n) {
    if n < 2 { return false }
    let d = 2
    while d * d <= n {
        if n % d == 0 { return false }
        d += 1
    }
    return true
}

def main() {
    let primes = []
    for n in 0..100 {
        if is_prime(n) { primes = push(primes, n) }
    }
    let line = ""
    for p in primes {
        if len(line) > 0 { line += " " }
        line = concat(line, p)
    }
    print(line)
    print(concat(len(primes), " primes below 100"))
}
