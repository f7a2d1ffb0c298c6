# This file is named ".ql": its only dot is its first character, so it has
# no extension and is refused although it exists.
# args: -v {script}
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Only .ql files are allowed.
# exit: 1
