# Text work: each round builds a line with concat (an integer among the
# pieces), splits it, slices pieces, tests for substrings and grows a text
# with +, which starts over once it passes 2000 bytes.
def main() {
    let n = 1200000
    let words = ["alpha", "beta", "gamma", "delta"]
    let total = 0
    let hits = 0
    let grown = ""
    for i in 0..n {
        let line = concat(words[i % 4], ":", i, ",", i * 7, ",end")
        let parts = split(line, ",")
        let head = slice(parts[0], 0, 3)
        let middle = slice(line, 2, 9)
        total += len(parts) + len(head) + len(middle) + len(parts[1])
        if contains(line, "77") { hits += 1 }
        if contains(middle, ":") { hits += 2 }
        grown = grown + head
        if len(grown) > 2000 { grown = "" }
    }
    print(total)
    print(hits)
    print(len(grown))
}
