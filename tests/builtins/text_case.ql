# upper and lower apply the full Unicode case mappings (root locale): one
# character may become several, so lengths can change. Characters without
# case stay as they are. Anything but a string gives null.
print(upper("hello World 123"), lower("Hello WORLD 123"))
# expect: HELLO WORLD 123
# expect: hello world 123
print(upper("MiXeD ÇA"), lower("ÀÉÎ"), upper("ÿ"), upper("привет"))
# expect: MIXED ÇA
# expect: àéî
# expect: Ÿ
# expect: ПРИВЕТ
print(upper("日本 123 !"), lower("日本 123 !"), len(upper("")), typeof(upper("")))
# expect: 日本 123 !
# expect: 日本 123 !
# expect: 0
# expect: string

# One character becoming several.
print(upper("straße"), len(upper("straße")), len("straße"))
# expect: STRASSE
# expect: 7
# expect: 7
print(upper("ﬁle"), len(upper("ﬁle")), upper("ﬀ"))
# expect: FILE
# expect: 4
# expect: FF
print(upper("ŉ"), len(upper("ŉ")), len(upper("ΐ")), upper("ΐ") == "Ϊ́")
# expect: ʼN
# expect: 3
# expect: 6
# expect: true
print(lower("ẞ"), upper("ß"))
# expect: ß
# expect: SS

# Title-case digraphs have distinct upper and lower forms.
print(upper("ǅ"), lower("ǅ"), upper("ǆungla"), upper("ǈ"), lower("ǈ"))
# expect: Ǆ
# expect: ǆ
# expect: ǄUNGLA
# expect: Ǉ
# expect: ǉ

# The dotted capital I lowers to i followed by a combining dot above; the
# plain i and I map to each other as everywhere outside Turkish.
print(lower("İ"), len(lower("İ")), lower("İ") == "i̇", len(lower("İstanbul")))
# expect: i̇
# expect: 3
# expect: true
# expect: 10
print(upper("i"), lower("I"))
# expect: I
# expect: i

# Capital sigma lowers to the final form at the end of a word (also before
# punctuation) and to the ordinary form elsewhere, including when it stands
# alone without a letter before it.
print(lower("ΟΔΟΣ"), lower("ΟΔΟΣ") == "οδος", len(lower("ΟΔΟΣ")))
# expect: οδος
# expect: true
# expect: 8
print(lower("ΣΑΣ ΣΑΣ"), lower("ΣΟΦΟΣ ΣΟΦΟΣ"), lower("ΟΔΟΣ."), lower("aΣb"))
# expect: σας σας
# expect: σοφος σοφος
# expect: οδος.
# expect: aσb
print(lower("ΑΣ Σ"), lower("Σ"))
# expect: ας σ
# expect: σ
print(upper("σας"), upper("ς"))
# expect: ΣΑΣ
# expect: Σ

# Greek with accents keeps them.
print(upper("άλφα"), lower("ΆΛΦΑ"), lower("ΌΣΟΣ"))
# expect: ΆΛΦΑ
# expect: άλφα
# expect: όσος

# Not a string: null, also for values whose text has letters.
def f() { }
print(typeof(upper(1)), typeof(upper(["a"])), typeof(lower(null)), typeof(upper(true)))
# expect: null
# expect: null
# expect: null
# expect: null
print(typeof(lower(1.5)), typeof(lower({a: "B"})), typeof(upper(f)))
# expect: null
# expect: null
# expect: null

# The variable keeps its text.
s = "Mixed Case"
u = upper(s)
l = lower(s)
print(s, u, l)
# expect: Mixed Case
# expect: MIXED CASE
# expect: mixed case
