# Only the text after the last dot is the extension: "a.ql.txt" is ".txt".
# args: -v data/a.ql.txt
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
