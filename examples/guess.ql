# Guess the number: reads guesses from the keyboard with input, picks the
# secret with random and compares texts turned into numbers by hand.
def main() {
    let secret = floor(random() * 100.0) + 1
    print("I am thinking of a number from 1 to 100.")
    let tries = 0
    while true {
        let answer = input("Your guess: ")
        # The end of the input gives an empty answer: stop there.
        if answer == "" {
            print(concat("Bye! It was ", secret, "."))
            break
        }
        let guess = to_number(answer)
        if not is_number(guess) {
            print("Please type a whole number.")
            continue
        }
        tries += 1
        if guess < secret { print("Higher.") }
        if guess > secret { print("Lower.") }
        if guess == secret {
            print(concat("Yes! ", secret, " in ", tries, " tries."))
            break
        }
    }
}

# The number a text of decimal digits stands for, or null.
def to_number(text) {
    let digits = split("0123456789", "")
    let value = 0
    for c in split(text, "") {
        if c != "" {
            let digit = null
            for d in 0..10 {
                if digits[d + 1] == c { digit = d }
            }
            if not is_number(digit) { return null }
            value = value * 10 + digit
        }
    }
    return value
}
