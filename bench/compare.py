#!/usr/bin/env python3
"""Runs the programs in bench/programs with quillo, python3 and (when there is
one) lua5.4, and prints how long quillo takes relative to the others.

Each program NAME is bench/programs/NAME.ql with twins NAME.py and NAME.lua
that do the same work with the same algorithm and print the same checksum.
Every runtime runs every program --runs times; the best time counts. The
outputs must agree: if any run fails, or two outputs differ, the table is still
printed but the exit status is 1.

Usage: bench/compare.py [--quillo PATH] [--python PATH] [--lua PATH | --no-lua]
                        [--runs K] [--only NAME] [--clock wall|cpu]
"""

import argparse
import os
import resource
import shutil
import subprocess
import sys
import time
from pathlib import Path

PROGRAMS_DIR = Path(__file__).resolve().parent / "programs"


class Runtime:
    def __init__(self, name, command, extension):
        self.name = name
        self.command = command
        self.extension = extension


def children_cpu_seconds():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run_once(runtime, program, timeout):
    """Runs one program once: returns (wall s, cpu s, stdout) or raises RuntimeError."""
    argv = [runtime.command, str(program)]
    cpu_before = children_cpu_seconds()
    start = time.perf_counter()
    try:
        done = subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              stdin=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise RuntimeError(f"{' '.join(argv)}: no result after {timeout} s")
    wall = time.perf_counter() - start
    cpu = children_cpu_seconds() - cpu_before
    if done.returncode != 0:
        detail = done.stderr.decode(errors="replace").strip().splitlines()
        tail = f": {detail[-1]}" if detail else ""
        raise RuntimeError(f"{' '.join(argv)} exited with status {done.returncode}{tail}")
    return wall, cpu, done.stdout.decode(errors="replace")


def measure(runtime, program, runs, clock, timeout):
    """Best time over `runs` runs and the output; raises RuntimeError if the runs
    fail or do not all print the same thing."""
    best = None
    output = None
    for _ in range(runs):
        wall, cpu, out = run_once(runtime, program, timeout)
        if output is not None and out != output:
            raise RuntimeError(f"{runtime.name} {program.name}: output changed between runs")
        output = out
        seconds = wall if clock == "wall" else cpu
        best = seconds if best is None else min(best, seconds)
    return best, output


def short(text):
    """The output as one short line, for error messages."""
    one_line = " | ".join(text.strip().splitlines())
    return one_line if len(one_line) <= 60 else one_line[:57] + "..."


def format_table(header, rows):
    widths = [max(len(str(row[i])) for row in [header] + rows) for i in range(len(header))]
    lines = []
    for n, row in enumerate([header] + rows):
        cells = [str(cell).ljust(widths[i]) if i == 0 else str(cell).rjust(widths[i])
                 for i, cell in enumerate(row)]
        lines.append("  ".join(cells).rstrip())
        if n == 0:
            lines.append("  ".join("-" * w for w in widths))
    return "\n".join(lines)


def resolve(command):
    """An absolute path for COMMAND (a path, or a name looked up on PATH), or None."""
    if os.sep in command:
        path = Path(command).absolute()
        return str(path) if path.is_file() and os.access(path, os.X_OK) else None
    return shutil.which(command)


def main():
    parser = argparse.ArgumentParser(
        description="Compare quillo's run times with python3's (and lua5.4's).")
    parser.add_argument("--quillo", default="build/quillo",
                        help="the interpreter to measure (default: build/quillo)")
    parser.add_argument("--python", default=sys.executable,
                        help="python interpreter (default: the one running this script)")
    parser.add_argument("--lua", default="lua5.4",
                        help="Lua interpreter; its columns appear when it exists (default: lua5.4)")
    parser.add_argument("--no-lua", action="store_true", help="leave Lua out")
    parser.add_argument("--runs", type=int, default=3,
                        help="runs per program and runtime; the best one counts (default: 3)")
    parser.add_argument("--only", metavar="NAME", action="append",
                        help="run only program NAME (may be repeated)")
    parser.add_argument("--clock", choices=["wall", "cpu"], default="wall",
                        help="wall: elapsed time (default); cpu: user + system time of the process")
    parser.add_argument("--timeout", type=float, default=300,
                        help="seconds before a single run is given up (default: 300)")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")

    quillo = resolve(args.quillo)
    if quillo is None:
        print(f"compare.py: {args.quillo} not found or not executable; build it first "
              "(make build)", file=sys.stderr)
        return 2
    python = resolve(args.python)
    if python is None:
        print(f"compare.py: {args.python} not found", file=sys.stderr)
        return 2
    runtimes = [Runtime("quillo", quillo, ".ql"), Runtime("python3", python, ".py")]
    lua = None if args.no_lua else resolve(args.lua)
    if lua is not None:
        runtimes.append(Runtime("lua5.4", lua, ".lua"))

    names = sorted(p.stem for p in PROGRAMS_DIR.glob("*.ql"))
    if args.only:
        unknown = [n for n in args.only if n not in names]
        if unknown:
            print(f"compare.py: no program {', '.join(unknown)} (have: {', '.join(names)})",
                  file=sys.stderr)
            return 2
        names = [n for n in names if n in args.only]

    python_version = subprocess.run([python, "-c", "import platform; print(platform.python_version())"],
                                    stdout=subprocess.PIPE, text=True).stdout.strip()
    print(f"quillo:  {quillo}")
    print(f"python3: {python} ({python_version})")
    print(f"lua5.4:  {lua if lua else 'not found, no Lua columns'}")
    print(f"clock: {args.clock}, best of {args.runs} run(s) per program and runtime")
    cpus = os.cpu_count() or 1
    load = os.getloadavg()[0] if hasattr(os, "getloadavg") else 0.0
    if args.clock == "wall" and load > cpus:
        print(f"warning: load average {load:.1f} on {cpus} CPU(s): wall times are inflated; "
              "--clock cpu is steadier")
    print(flush=True)

    failures = []
    rows = []
    for name in names:
        times = {}
        outputs = {}
        for runtime in runtimes:
            program = PROGRAMS_DIR / (name + runtime.extension)
            if not program.is_file():
                if runtime.name != "lua5.4":
                    failures.append(f"{name}: {program.name} is missing")
                continue
            try:
                times[runtime.name], outputs[runtime.name] = measure(
                    runtime, program, args.runs, args.clock, args.timeout)
            except RuntimeError as error:
                failures.append(f"{name}: {error}")
        reference = outputs.get("quillo")
        if reference is not None:
            for other, out in outputs.items():
                if out != reference:
                    failures.append(f"{name}: {other} printed {short(out)!r}, "
                                    f"quillo printed {short(reference)!r}")
        if reference is not None and not reference.strip():
            failures.append(f"{name}: quillo printed nothing")

        def seconds(runtime_name):
            return f"{times[runtime_name]:.3f}" if runtime_name in times else "-"

        def ratio(runtime_name):
            if "quillo" in times and times.get(runtime_name):
                return f"{times['quillo'] / times[runtime_name]:.2f}"
            return "-"

        row = [name, seconds("quillo"), seconds("python3"), ratio("python3")]
        if lua is not None:
            row += [seconds("lua5.4"), ratio("lua5.4")]
        rows.append(row)

    header = ["program", "quillo s", "python3 s", "quillo/python3"]
    if lua is not None:
        header += ["lua5.4 s", "quillo/lua5.4"]
    print(format_table(header, rows))

    if failures:
        sys.stdout.flush()
        print(file=sys.stderr)
        for failure in failures:
            print(f"compare.py: {failure}", file=sys.stderr)
        return 1
    print("\nall outputs agree")
    return 0


if __name__ == "__main__":
    sys.exit(main())
