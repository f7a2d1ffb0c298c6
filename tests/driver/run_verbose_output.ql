# A verbose run: the script's own output goes to standard output while the
# log goes to standard error, with the run between the separator after
# "Starting execution..." and the timing summary. The statement count is
# that of the top-level statements (a def counts as one).
# args: --verbose {script}
def greet(name) {
  print("hello " + name)
}
greet("verbose run")
print(1 + 2)
# expect: hello verbose run
# expect: 3
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m File read successfully \(\d+ bytes\)
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization completed in \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Generated \d+ tokens
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing completed in \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Generated AST with 3 top-level statements
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting execution...
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization: \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing:      \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Execution:    \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
