#!/usr/bin/env python3
"""End to end: the interpreter reads scripts with 100,000 nested parentheses,
brackets or braces (and far deeper ones) without exhausting its stack.

Usage: deep_nesting.py QUILLO_BINARY
"""

import os
import re
import subprocess
import sys
import tempfile

CASES = {
    # name: (script text, expected number of top-level statements)
    "parentheses": ("(" * 100_000 + "1" + ")" * 100_000, 1),
    "brackets": ("[" * 100_000 + "]" * 100_000, 1),
    "braces": ("{a:" * 100_000 + "1" + "}" * 100_000, 1),
    "blocks": ("if x {" * 100_000 + "}" * 100_000, 1),
    "prefixes": ("-" * 100_000 + "1", 1),
    "long sum": ("1" + " + 1" * 300_000, 1),
    "unclosed, a million deep": ("f([{a: -(" * 200_000, None),
}


def main(argv):
    binary = os.path.abspath(argv[1])
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for name, (text, statements) in CASES.items():
            path = os.path.join(tmp, "deep.ql")
            with open(path, "w") as f:
                f.write(text + "\nlet after = 1\n")
            proc = subprocess.run([binary, "-v", path], capture_output=True, timeout=120)
            err = proc.stderr.decode("utf-8", "replace")
            m = re.search(r"Generated AST with (\d+) top-level statements", err)
            problems = []
            if proc.returncode != 0:
                problems.append(f"exit status {proc.returncode}")
            if not m:
                problems.append("no statement count in the log")
            elif statements is not None and int(m.group(1)) != statements + 1:
                problems.append(f"{m.group(1)} statements, expected {statements + 1}")
            if problems:
                failed += 1
                print(f"FAIL {name}: {', '.join(problems)}")
    print(f"{len(CASES) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
