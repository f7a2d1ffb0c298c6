#!/usr/bin/env python3
"""Golden script tests: run .ql files through the interpreter and compare.

Usage: run_golden.py QUILLO_BINARY SCRIPT.ql [SCRIPT.ql ...]

Each script carries its expectations in its own comment lines, which the
language ignores:

    # expect: TEXT            the next line of standard output
    # expect-stderr: TEXT     the next line of standard error
    # expect-stderr-match: RE the next line of standard error matches RE (whole line)
    # expect-match: RE        the next line of standard output matches RE
    # no-final-newline        standard output does not end with a line feed
                              (its last line is still given with expect);
                              with expect-both, neither do the merged streams
    # exit: N                 the exit status (default 0)
    # args: ARGS              the command line after the program name, split
                              like a shell would; {script} stands for the
                              script's file name (default: "{script}")
    # stdin: TEXT             one line of standard input (a line feed is added)
    # stdin-raw: TEXT         text for standard input with no line feed added
    # timeout: SECONDS        how long the run may take (default 60)
    # expect-both: TEXT       the next line when standard output and standard
                              error go to one pipe, as on a terminal: the
                              script runs a second time that way, and the
                              lines must come in this order
    # display                 the script runs on a virtual X server of its
                              own (xvfb-run, from Debian's xvfb package, with
                              a 1280x1024 screen), so that it can open a
                              window

Without any expect line the stream must be empty. TEXT and ARGS understand
the escapes \\e (escape character), \\t, \\r, \\n, \\\\ and \\xHH (one byte),
so that colour codes, invalid UTF-8 and trailing blanks can be written.
Scripts run in their own directory.

Every run leaves out the variables that lead SDL to a display (DISPLAY,
WAYLAND_DISPLAY, XDG_RUNTIME_DIR, SDL_VIDEODRIVER, SDL_RENDER_DRIVER), so the
results do not depend on the desktop the tests are started from: a script
without "display" sees no display at all, and one with it sees only the
virtual server, whose DISPLAY xvfb-run sets. Two xvfb-run -a started at the
same moment can pick the same server number, so the build runs the display
scripts one at a time.
"""

import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

DIRECTIVE = re.compile(rb"^\s*#\s*(expect|expect-stderr|expect-stderr-match|expect-match|"
                       rb"no-final-newline|exit|args|stdin|stdin-raw|timeout|expect-both|display)"
                       rb"(?::(.*))?$")

# Variables through which a run could reach the developer's own display.
DISPLAY_VARIABLES = ("DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "SDL_VIDEODRIVER",
                     "SDL_RENDER_DRIVER")

# The virtual X server for the "display" scripts: -a takes the first free
# server number. -noreset keeps the server up between connections: by
# default it resets whenever its last client leaves, and a script whose
# window() calls fail connects and leaves several times in a row, which
# could then meet a server in the middle of its reset.
XVFB_RUN = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24 -noreset"]


def unescape(raw: bytes) -> bytes:
    out = bytearray()
    i = 0
    while i < len(raw):
        c = raw[i]
        if c == 0x5C and i + 1 < len(raw):  # backslash
            n = raw[i + 1]
            simple = {ord("e"): 0x1B, ord("t"): 0x09, ord("r"): 0x0D, ord("n"): 0x0A, 0x5C: 0x5C}
            if n in simple:
                out.append(simple[n])
                i += 2
                continue
            if n == ord("x") and i + 3 < len(raw) + 0:
                out.append(int(raw[i + 2:i + 4], 16))
                i += 4
                continue
        out.append(c)
        i += 1
    return bytes(out)


def value_of(rest):
    # "# expect: TEXT": one blank after the colon belongs to the syntax.
    if rest is None:
        return b""
    return rest[1:] if rest.startswith(b" ") else rest


def parse(script_bytes):
    expected = {"stdout": [], "stderr": [], "both": [], "exit": 0, "args": None, "stdin": b"",
            "final_newline": True, "timeout": 60.0, "display": False}
    for line in script_bytes.split(b"\n"):
        m = DIRECTIVE.match(line.rstrip(b"\r"))
        if not m:
            continue
        key, rest = m.group(1).decode(), value_of(m.group(2))
        if key == "expect":
            expected["stdout"].append(("lit", unescape(rest)))
        elif key == "expect-match":
            expected["stdout"].append(("re", rest))
        elif key == "expect-both":
            expected["both"].append(("lit", unescape(rest)))
        elif key == "expect-stderr":
            expected["stderr"].append(("lit", unescape(rest)))
        elif key == "expect-stderr-match":
            expected["stderr"].append(("re", rest))
        elif key == "no-final-newline":
            expected["final_newline"] = False
        elif key == "exit":
            expected["exit"] = int(rest)
        elif key == "args":
            expected["args"] = rest
        elif key == "stdin":
            expected["stdin"] += unescape(rest) + b"\n"
        elif key == "stdin-raw":
            expected["stdin"] += unescape(rest)
        elif key == "timeout":
            expected["timeout"] = float(rest)
        elif key == "display":
            expected["display"] = True
    return expected


def split_lines(data: bytes):
    if not data:
        return [], True
    ends = data.endswith(b"\n")
    lines = data.split(b"\n")
    if ends:
        lines.pop()
    return lines, ends


def compare(name, expected, actual: bytes, final_newline=True):
    lines, ends = split_lines(actual)
    problems = []
    for i in range(max(len(expected), len(lines))):
        exp = expected[i] if i < len(expected) else None
        got = lines[i] if i < len(lines) else None
        if exp is None:
            problems.append(f"  line {i + 1}: unexpected {got!r}")
        elif got is None:
            problems.append(f"  line {i + 1}: missing, expected {exp[1]!r}")
        elif exp[0] == "lit" and exp[1] != got:
            problems.append(f"  line {i + 1}: expected {exp[1]!r}\n  {'':{len(str(i + 1))}}        got {got!r}")
        elif exp[0] == "re" and not re.fullmatch(exp[1], got):
            problems.append(f"  line {i + 1}: expected a match of {exp[1]!r}, got {got!r}")
    if expected and not problems and ends != final_newline:
        problems.append("  the output " + ("does not end" if final_newline else "ends") +
                        " with a line feed")
    if problems:
        return [f"{name}:"] + problems
    return []


def run_child(command, stdin, stderr, directory, env, timeout):
    """Runs command with stdin as its input, collecting standard output (and
    standard error unless it joins standard output). The child leads a
    process group of its own, so that a run that times out is ended with
    everything it started: xvfb-run's X server is asked first, so that it
    removes its lock file, and killed if it does not go."""
    def signal_group(pid, sig):
        try:
            os.killpg(pid, sig)
        except ProcessLookupError:
            pass

    with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=stderr,
                          cwd=directory, env=env, start_new_session=True) as proc:
        try:
            out, err = proc.communicate(stdin, timeout=timeout)
        except subprocess.TimeoutExpired:
            signal_group(proc.pid, signal.SIGTERM)
            # The group is gone once nothing in it can be signalled.
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline:
                proc.poll()
                try:
                    os.killpg(proc.pid, 0)
                except ProcessLookupError:
                    break
                time.sleep(0.05)
            signal_group(proc.pid, signal.SIGKILL)
            proc.communicate()
            raise
    return subprocess.CompletedProcess(command, proc.returncode, out, err)


def run_one(binary, path):
    with open(path, "rb") as f:
        expected = parse(f.read())
    directory, filename = os.path.split(os.path.abspath(path))
    args_text = expected["args"] if expected["args"] is not None else b"{script}"
    # Split like a shell, but leave backslashes to the runner's own escapes.
    lexer = shlex.shlex(args_text.decode("utf-8", "surrogateescape"), posix=True,
                        punctuation_chars=False)
    lexer.whitespace_split = True
    lexer.escape = ""
    args = [unescape(a.encode("utf-8", "surrogateescape")) for a in lexer]
    args = [a.replace(b"{script}", filename.encode()) for a in args]
    command = [os.path.abspath(binary).encode()] + args
    if expected["display"]:
        if shutil.which(XVFB_RUN[0]) is None:
            return [f"FAIL {path}", "xvfb-run not found (scripts/install-deps installs it)"]
        command = [a.encode() for a in XVFB_RUN] + command
    env = {k: v for k, v in os.environ.items() if k not in DISPLAY_VARIABLES}

    def run(stderr):
        return run_child(command, expected["stdin"], stderr, directory, env, expected["timeout"])

    try:
        proc = run(subprocess.PIPE)
    except subprocess.TimeoutExpired:
        return [f"{path}: timed out after {expected['timeout']} seconds"]
    problems = []
    problems += compare("standard output", expected["stdout"], proc.stdout, expected["final_newline"])
    problems += compare("standard error", expected["stderr"], proc.stderr)
    if proc.returncode != expected["exit"]:
        problems.append(f"exit status: expected {expected['exit']}, got {proc.returncode}")
    if expected["both"]:
        try:
            merged = run(subprocess.STDOUT)
            problems += compare("both streams together", expected["both"], merged.stdout,
                                expected["final_newline"])
        except subprocess.TimeoutExpired:
            problems.append(f"timed out after {expected['timeout']} seconds (streams together)")
    if problems:
        return [f"FAIL {path}"] + problems
    return []


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    binary, scripts = argv[1], argv[2:]
    failed = 0
    for script in scripts:
        problems = run_one(binary, script)
        if problems:
            failed += 1
            print("\n".join(problems))
    print(f"{len(scripts) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
