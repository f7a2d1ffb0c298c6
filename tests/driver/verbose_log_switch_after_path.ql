# The long switch after the path gives the same log. The byte count is of
# the file's bytes, not its characters (the separator in the expectations
# and the text below are multi-byte), and only real tokens are counted:
# line and block comments, and a "#" inside a string, add none.
# args: {script} --verbose
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m File read successfully (1954 bytes)
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated 40 tokens
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated AST with 3 top-level statements
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting execution...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization: \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing:      \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Execution:    \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────

/* helpers ─ é */
def add(a, b) {
    return a + b
}
let s = "a # b ─"   # a trailing comment
if add(1, 2) >= 3 { s = s + "!" } else { s = "no" }
