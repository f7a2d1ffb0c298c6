#!/usr/bin/env python3
"""End to end: scripts too large to tokenize or parse in memory are
refused, and runs that exhaust memory or recurse without end stop with a
message on standard error and status 1, keep everything printed before, and
never crash; very deep values and recursion within the limits work.

Usage: resource_limits.py QUILLO_BINARY [--no-memory-limit]

With --no-memory-limit (sanitized builds) the cases that need a lowered
data limit are skipped.
"""

import os
import resource
import subprocess
import sys
import tempfile

GIB = 1 << 30


def limit_data(gib):
    """A child set-up that caps the data segment (the interpreter's large
    stack counts against it), so that running out of memory is quick."""

    def apply():
        resource.setrlimit(resource.RLIMIT_DATA, (int(gib * GIB), int(gib * GIB)))

    return apply


CASES = [
    # (name, script, expected stdout, expected stderr, status, child set-up)
    (
        "text doubled until memory runs out",
        'print("start")\nlet s = "ab"\nwhile true { s = s + s }\nprint("never")\n',
        "start\n",
        "Error: out of memory\n",
        1,
        limit_data(5.5),
    ),
    (
        "out of memory inside deep calls",
        'def grow(s, n) { if n == 0 { return grow(s + s, 0) } return grow(s, n - 1) }\n'
        'print("start")\ngrow("abcd", 1000)\n',
        "start\n",
        "Error: out of memory\n",
        1,
        limit_data(5.5),
    ),
    (
        "range too large for memory: message, null, the run goes on",
        'def main() { let r = 0..400000000 print(typeof(r)) print("after") }\n',
        "null\nafter\n",
        "Error: range too large: 400000000 elements do not fit in memory\n",
        0,
        limit_data(5.5),
    ),
    (
        "out of memory while tokenizing a 100 MB script",
        'print("start")\n' + "1 " * 50_000_000,
        "",
        "Error: out of memory\n",
        1,
        limit_data(5.0),
    ),
    (
        "out of memory while parsing",
        'print("start")\n' + "a " * 12_000_000,
        "",
        "Error: out of memory\n",
        1,
        limit_data(5.5),
    ),
    (
        "endless recursion",
        'def f(n) { return f(n + 1) }\nprint("start")\nprint(f(0))\nprint("never")\n',
        "start\n",
        "Error: recursion too deep\n",
        1,
        None,
    ),
    (
        "endless mutual recursion through a loop",
        'def a(n) { while true { return b(n) } }\ndef b(n) { for i in [1] { return a(n) } }\n'
        'print("start")\na(0)\n',
        "start\n",
        "Error: recursion too deep\n",
        1,
        None,
    ),
    (
        "a stopped run has no further effects",
        'def f(n) { return f(n + 1) }\nprint(f(0), 1 / 0)\n',
        "",
        "Error: recursion too deep\n",
        1,
        None,
    ),
    (
        "recursion 100,000 deep",
        "def depth(n) { if n == 0 { return 0 } return depth(n - 1) + 1 }\nprint(depth(100000))\n",
        "100000\n",
        "",
        0,
        None,
    ),
    (
        "an array nested a million deep is built, shown and released",
        "let a = []\nlet i = 0\nwhile i < 1000000 { a = [a] i += 1 }\n"
        'print(typeof(a))\nlet b = a\na = 0\nb = 0\nprint("done")\n',
        "array\ndone\n",
        "",
        0,
        None,
    ),
]


def main(argv):
    binary = os.path.abspath(argv[1])
    cases = CASES
    if "--no-memory-limit" in argv[2:]:
        cases = [c for c in CASES if c[5] is None]
    failed = 0
    with tempfile.TemporaryDirectory() as tmp:
        for name, script, out, err, status, setup in cases:
            path = os.path.join(tmp, "case.ql")
            with open(path, "w") as f:
                f.write(script)
            proc = subprocess.run(
                [binary, path], capture_output=True, timeout=300, preexec_fn=setup
            )
            got = (proc.stdout.decode("utf-8", "replace"), proc.stderr.decode("utf-8", "replace"),
                   proc.returncode)
            if got != (out, err, status):
                failed += 1
                print(f"FAIL {name}:\n  expected {(out, err, status)!r}\n  got      {got!r}")
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
