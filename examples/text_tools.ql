# A tour of the text built-ins: split a sentence into words, look at their
# lengths, change case, cut pieces out and search.
def main() {
    let sentence = "The quick brown fox jumps over the lazy dog"
    let words = split(sentence, " ")
    print(concat(len(words), " words"))

    let longest = ""
    for w in words {
        if len(w) > len(longest) { longest = w }
    }
    print(concat("longest: ", longest, " (", len(longest), " letters)"))

    let shout = []
    for w in reverse(words) {
        shout = push(shout, upper(w))
    }
    print(shout)

    print(slice(sentence, 4, 9))
    print(contains(sentence, "fox"), contains(lower(sentence), "the lazy"))

    # Lengths count bytes; slices count characters.
    let word = "Grüße"
    print(concat(len(word), " bytes, ", len(split(word, "")) - 2, " characters"))
    print(upper(word), slice(word, 2, 4))
}
