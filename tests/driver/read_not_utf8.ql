# This script holds a byte that never occurs in UTF-8 (in the comment
# below), so it is refused as unreadable, after the opening log lines.
# args: -v {script}
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m ─────────────────────────────────
# expect-stderr: \e[33m[\e[93mQUILLO\e[33m]\e[0m Starting Quillo interpreter...
# expect-stderr: Error: Failed to read the file: the file is not valid UTF-8 text
# exit: 1
# here: �
