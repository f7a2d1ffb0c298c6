# The sample script examples/primes.ql runs as documented.
# args: ../../examples/primes.ql
# expect: 2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97
# expect: 25 primes below 100
