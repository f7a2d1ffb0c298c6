# FizzBuzz: the numbers 1 to 30, with multiples of 3 replaced by Fizz,
# multiples of 5 by Buzz and multiples of both by FizzBuzz.
def label(n) {
    if n % 15 == 0 { return "FizzBuzz" }
    if n % 3 == 0 { return "Fizz" }
    if n % 5 == 0 { return "Buzz" }
    return n
}

def main() {
    for i in 1..31 {
        print(label(i))
    }
}
