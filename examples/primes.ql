# Prime numbers below 100 by trial division. Shows while and for loops over a
# range, integer / and %, early returns, and turning a number into text with
# recursion (there is no conversion built-in yet).
let digits = ["0", "1", "2", "3", "4", "5", "6", "7", "8", "9"]

# The decimal text of a non-negative integer.
def text_of(n) {
    if n < 10 { return digits[n] }
    return text_of(n / 10) + digits[n % 10]
}

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
    let line = ""
    let count = 0
    for n in 0..100 {
        if is_prime(n) {
            if count > 0 { line += " " }
            line += text_of(n)
            count += 1
        }
    }
    print(line)
    print(text_of(count) + " primes below 100")
}
