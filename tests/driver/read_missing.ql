# A missing file with the right extension fails on reading, after the two
# opening log lines.
# args: -v missing.ql
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Failed to read the file: No such file or directory
# exit: 1
