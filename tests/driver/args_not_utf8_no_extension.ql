# A path of bytes that are not UTF-8 and have no extension is rejected by
# the extension rule, after the opening log lines.
# args: -v '\xc3' {script}
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
