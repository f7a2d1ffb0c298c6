# The extension is compared case-sensitively: ".QL" is not ".ql". The file
# exists, and in verbose mode the error follows the two opening log lines.
# args: -v data/upper.QL
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
