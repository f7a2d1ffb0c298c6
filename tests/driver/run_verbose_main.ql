# A verbose run of a script with main: the statement count covers every
# top-level statement, including the ones that never execute, and a
# top-level let evaluated once before main runs writes its message inside
# the execution part of the log.
# args: -v {script}
print("never printed")
let q = 1 / 0
def main() {
  print("main ran")
}
print("never printed either")
# expect: main ran
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m File read successfully \(\d+ bytes\)
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization completed in \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Generated \d+ tokens
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated AST with 4 top-level statements
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting execution...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: Error: division by zero
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization: \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing:      \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Execution:    \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
