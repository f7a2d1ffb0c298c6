# The division message of a verbose run appears on standard error between
# the separator after "Starting execution..." and the timing summary, in
# the order the divisions happen, and the run still ends with status 0.
# args: {script} -v
print("before")
print(1 / 0)
print(2 % 0)
print("after")
# expect: before
# expect: 0
# expect: 0
# expect: after
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
# expect-stderr: Error: division by zero
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Tokenization: \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Parsing:      \d+\.\d{3}ms
# expect-stderr-match: \x1b\[33m\[\x1b\[93mQUILLO\x1b\[33m\]\x1b\[0m Execution:    \d+\.\d{3}ms
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
