#!/usr/bin/env python3
"""End to end: the interpreter reads scripts with 100,000 nested parentheses,
brackets or braces without exhausting its stack, and refuses to run scripts
nested deeper than its parser follows ("Error: nesting too deep", status 1,
nothing run) instead of running a different program.

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
    "long sum": ("1" + " + 1" * 150_000, 1),
}

# Past the limit: nothing runs, not even the first line.
TOO_DEEP = {
    "unclosed, a million deep": "f([{a: -(" * 200_000,
    # Read as 0 and dropped, the innermost `x = 1` would leave an endless loop.
    "loop whose end is past the limit": "x = 0\n" + "while x == 0 {" * 199_999 + "x = 1"
    + "}" * 199_999,
    "sum of three million terms": "print(1" + " + 1" * 3_000_000 + ")",
    "member chain": "a" + ".b" * 250_000,
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
        for name, text in TOO_DEEP.items():
            path = os.path.join(tmp, "deep.ql")
            with open(path, "w") as f:
                f.write('print("ran")\n' + text + "\n")
            try:
                proc = subprocess.run([binary, path], capture_output=True, timeout=30)
                got = (proc.stdout, proc.stderr, proc.returncode)
            except subprocess.TimeoutExpired:
                got = "no end within 30 s"
            if got != (b"", b"Error: nesting too deep\n", 1):
                failed += 1
                print(f"FAIL {name}: {got!r:.300}")
        # At the prompt such an input is not run, and the loop goes on.
        proc = subprocess.run([binary], input=b"print(1)\n" + b"-" * 200_001 + b"1\nprint(2)\n",
                              capture_output=True, timeout=30)
        prompt = b">>> "
        expected = (b"Welcome to Quillo Interactive REPL!\nType 'exit' to quit.\n\n" + prompt
                    + b"1\n" + prompt + prompt + b"2\n" + prompt, b"Error: nesting too deep\n")
        if (proc.stdout, proc.stderr) != expected:
            failed += 1
            print(f"FAIL at the prompt: {(proc.stdout, proc.stderr)!r:.300}")
    print(f"{len(CASES) + len(TOO_DEEP) + 1 - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
