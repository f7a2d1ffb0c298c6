# Text work: each round builds a line with "".join (an integer among the
# pieces), splits it, slices pieces, tests for substrings and grows a text
# with +, which starts over once it passes 2000 bytes.
def main():
    n = 1200000
    words = ["alpha", "beta", "gamma", "delta"]
    total = 0
    hits = 0
    grown = ""
    for i in range(n):
        line = "".join((words[i % 4], ":", str(i), ",", str(i * 7), ",end"))
        parts = line.split(",")
        head = parts[0][0:3]
        middle = line[2:9]
        total += len(parts) + len(head) + len(middle) + len(parts[1])
        if "77" in line:
            hits += 1
        if ":" in middle:
            hits += 2
        grown = grown + head
        if len(grown) > 2000:
            grown = ""
    print(total)
    print(hits)
    print(len(grown))


main()
