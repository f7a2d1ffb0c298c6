#!/usr/bin/env python3
"""The language guide says what is true: every built-in function has an
entry in it, and every sample that shows what its prints give does print
exactly that.

Usage: guide_check.py QUILLO_BINARY GUIDE.md BUILTINS.cpp

A sample is a fenced block with no language named in which some line
that calls something (not a `let` or `def` line) ends in a comment set off
by two blanks: the comment is what that line prints, " / " between lines,
without a remark set off by two blanks and in parentheses at its end. The
block runs as one script and its standard output must be exactly those
lines, in order, so a sample shows everything it prints.
"""

import os
import re
import subprocess
import sys
import tempfile

PRINT = re.compile(r"^\s*(?!let\b|def\b|#)[^#]*\(.*?\s{2,}#\s?(.*)$")
REMARK = re.compile(r"\s{2,}\(.*\)$")


def samples(guide):
    lines = guide.split("\n")
    block, start, inside, plain = [], 0, False, False
    for number, line in enumerate(lines, 1):
        if line.startswith("```"):
            if inside:
                if plain and any(PRINT.match(x) for x in block):
                    yield start, block
                inside = False
            else:
                # A block that names a language (sh) is not a sample.
                inside, plain, block, start = True, line.strip() == "```", [], number
            continue
        if inside:
            block.append(line)


def expected_output(block):
    out = []
    for line in block:
        m = PRINT.match(line)
        if m:
            out.extend(REMARK.sub("", m.group(1)).split(" / "))
    return out


def main(binary, guide_path, builtins_path):
    guide = open(guide_path, encoding="utf-8").read()
    failures = []
    names = re.findall(r'"([a-z_]+)"', open(builtins_path).read().split("kNames")[1].split("};")[0])
    assert len(names) > 30, names
    for name in names:
        if not re.search(r"^\|.*`" + name + r"\(", guide, re.M):
            failures.append(f"built-in {name} has no entry in the guide's tables")
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "sample.ql")
        for start, block in samples(guide):
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(block) + "\n")
            run = subprocess.run([binary, path], capture_output=True, timeout=30)
            got = run.stdout.decode("utf-8", "replace").split("\n")[:-1]
            want = expected_output(block)
            if got != want:
                failures.append(f"sample at line {start}: prints {got}, the guide says {want}")
    for f in failures:
        print("FAIL:", f)
    if failures:
        return 1
    print("guide: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
