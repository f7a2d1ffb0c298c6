# The complete verbose log of a small program, line by line, with the switch
# in front of the path. Durations differ from run to run, so they are only
# checked for their form: three decimals and the unit right after them.
# args: -v {script}
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m File read successfully (1765 bytes)
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated 13 tokens
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated AST with 2 top-level statements
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting execution...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization: \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing:      \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Execution:    \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────

let x = 1 + 2
let y = x * 10
