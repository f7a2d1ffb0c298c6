# Array work: each round builds a list with append, reads its last element,
# reverses it, then sums the reversed list with a for loop and the original
# with an index loop bounded by len.
#
# Quillo's push returns a new array (`xs = push(xs, v)`), but the interpreter
# appends in place when the result goes back to the variable it came from, so
# append is the equivalent; pop only reads the last element, like xs[-1], and
# reverse returns a new array, like xs[::-1].
def main():
    rounds = 3500
    m = 2000
    total = 0
    for r in range(rounds):
        xs = []
        for i in range(m):
            xs.append(i * 3 + r)
            if i % 16 == 0:
                total += xs[-1]
        ys = xs[::-1]
        total += ys[0] + len(ys)
        for v in ys:
            total += v
        j = 0
        while j < len(xs):
            total += xs[j] % 7
            j += 2
    print(total)


main()
