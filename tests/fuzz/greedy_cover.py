#!/usr/bin/env python3
"""Chooses a few corpus inputs that together reach the coverage edges of
many: a greedy set cover.

Usage: greedy_cover.py FUZZ_TARGET OUT_DIR INPUT_DIR... [--max-files N]
       [--max-bytes B] [--prefix P] [-- TARGET_FLAGS...]

Runs every input of the INPUT_DIRs through the libFuzzer target (its merge
mode, which records the coverage edges each input reaches), then repeatedly
takes the input that adds the most edges not yet reached (the smaller one
on a tie), until no input adds any or N inputs are taken. Inputs larger than B bytes are left out. The
chosen ones are copied to OUT_DIR as P<hash of the content>, and the
number of edges each added is printed.
"""

import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile


def merge_coverage(target, directory, flags, tmp):
    """Runs every input of `directory` in one libFuzzer merge pass, and
    returns {file name: coverage edges it reached first} (in the pass's
    order: smaller inputs first)."""
    control = os.path.join(tmp, "control")
    out = os.path.join(tmp, "out")
    shutil.rmtree(out, ignore_errors=True)
    os.mkdir(out)
    if os.path.exists(control):
        os.remove(control)
    subprocess.run([target, "-merge=1", "-merge_control_file=" + control, *flags, out, directory],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    lines = open(control).read().splitlines()
    count = int(lines[0])
    names = lines[2:2 + count]
    result = {}
    for line in lines[2 + count:]:
        parts = line.split()
        # COV lists the indices of the edges an input reached that no input
        # before it in the pass did.
        if parts and parts[0] == "COV":
            result[os.path.basename(names[int(parts[1])])] = {int(x) for x in parts[2:]}
    return result


def edges_per_input(target, dirs, flags, max_bytes):
    """Returns {path: every coverage edge the input reaches} for the inputs
    that matter to a cover."""
    files = []
    for d in dirs:
        for root, _, names in os.walk(d):
            for n in names:
                path = os.path.join(root, n)
                if os.path.isfile(path) and os.path.getsize(path) <= max_bytes:
                    files.append(path)
    with tempfile.TemporaryDirectory() as tmp:
        listed = os.path.join(tmp, "inputs")
        os.mkdir(listed)
        # One copy of each distinct content.
        seen = {}
        for path in files:
            data = open(path, "rb").read()
            digest = hashlib.sha1(data).hexdigest()
            if digest not in seen:
                seen[digest] = path
                with open(os.path.join(listed, digest), "wb") as f:
                    f.write(data)
        # First every input in one pass: those that reach an edge first
        # already cover every edge, and only they are candidates.
        first = merge_coverage(target, listed, flags, tmp)
        candidates = [d for d, e in first.items() if e]
        # Then each candidate alone, for all the edges it reaches.
        result = {}
        single = os.path.join(tmp, "single")
        for digest in candidates:
            shutil.rmtree(single, ignore_errors=True)
            os.mkdir(single)
            shutil.copyfile(os.path.join(listed, digest), os.path.join(single, digest))
            result[seen[digest]] = merge_coverage(target, single, flags, tmp).get(digest, set())
    return result


def main():
    argv = sys.argv[1:]
    flags = []
    if "--" in argv:
        flags = argv[argv.index("--") + 1:]
        argv = argv[:argv.index("--")]
    parser = argparse.ArgumentParser()
    parser.add_argument("target")
    parser.add_argument("out")
    parser.add_argument("inputs", nargs="+")
    parser.add_argument("--max-files", type=int, default=40)
    parser.add_argument("--max-bytes", type=int, default=4096)
    parser.add_argument("--prefix", default="found-")
    args = parser.parse_args(argv)

    edges = edges_per_input(args.target, args.inputs, flags, args.max_bytes)
    every = set().union(*edges.values()) if edges else set()
    reached = set()
    chosen = []
    while len(chosen) < args.max_files:
        best = None
        best_gain = 0
        for path, e in edges.items():
            gain = len(e - reached)
            if gain > best_gain or (gain == best_gain and gain > 0 and
                                    os.path.getsize(path) < os.path.getsize(best)):
                best, best_gain = path, gain
        if best is None:
            break
        reached |= edges.pop(best)
        chosen.append((best, best_gain))
    os.makedirs(args.out, exist_ok=True)
    for path, gain in chosen:
        data = open(path, "rb").read()
        name = args.prefix + hashlib.sha1(data).hexdigest()[:12]
        shutil.copyfile(path, os.path.join(args.out, name))
        print(f"{name}\t{len(data)} bytes\t+{gain} edges\t({path})")
    print(f"{len(chosen)} inputs reach {len(reached)} of the {len(every)} edges "
          f"that all the inputs reach")


if __name__ == "__main__":
    main()
