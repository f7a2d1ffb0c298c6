# A while loop with a hand-kept counter: sums the integers 0 .. n-1.
def main():
    n = 20000000
    total = 0
    i = 0
    while i < n:
        total += i
        i += 1
    print(total)


main()
