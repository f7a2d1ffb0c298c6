# A for loop over a range: sums the integers 0 .. n-1.
def main():
    n = 40000000
    total = 0
    for i in range(n):
        total += i
    print(total)


main()
