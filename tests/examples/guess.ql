# The sample script examples/guess.ql answers a guess that is not a number,
# counts real guesses and stops at the end of the input.
# args: ../../examples/guess.ql
# stdin: abc
# stdin: 0
# stdin: 101
# expect: I am thinking of a number from 1 to 100.
# expect: Your guess: Please type a whole number.
# expect: Your guess: Higher.
# expect: Your guess: Lower.
# expect-match: Your guess: Bye! It was ([1-9][0-9]?|100)\.
