#!/usr/bin/env python3
"""End to end: the driver under conditions a hostile or careless user makes.
Files too large or endless are read failures; signals stop a script run
keeping its output; closed standard streams do not capture the display
connection.

Usage: xvfb-run -a python3 hostile_runs.py QUILLO_BINARY

The closed-stream cases open a window, so DISPLAY must name an X server.
"""

import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

WAIT = 20


def run_shell(command, directory, stdin=subprocess.DEVNULL):
    """Runs a shell command line; returns (stdout, stderr, status) or the
    text 'hung' when it did not end in time."""
    try:
        proc = subprocess.run(["sh", "-c", command], cwd=directory, capture_output=True,
                              stdin=stdin, timeout=WAIT)
        return proc.stdout, proc.stderr, proc.returncode
    except subprocess.TimeoutExpired:
        return "hung"


def endless_fifo(path):
    """A FIFO whose writer never stops."""
    os.mkfifo(path)

    def write():
        try:
            with open(path, "wb") as f:
                while True:
                    f.write(b"print(1)\n" * 4096)
        except (BrokenPipeError, OSError):
            pass

    threading.Thread(target=write, daemon=True).start()


def loading_cases(binary, tmp):
    too_large = (b"", b"Error: Failed to read the file: File too large\n", 1)
    with open(os.path.join(tmp, "sparse.ql"), "wb") as f:
        f.truncate(30 << 30)
    os.symlink("/dev/zero", os.path.join(tmp, "zero.ql"))
    endless_fifo(os.path.join(tmp, "fifo.ql"))
    for name in ("sparse.ql", "zero.ql", "fifo.ql"):
        yield f"reading {name}", run_shell(f"exec '{binary}' {name}", tmp), too_large


SIGNAL_SCRIPT = 'print("start")\nwhile true { }\n'
# Waits in `input` on a pipe that never delivers a line.
WAITING_SCRIPT = 'print("start")\nprint(input(""))\nprint("never")\n'


def signal_cases(binary, tmp):
    for script, text in (("loop.ql", SIGNAL_SCRIPT), ("wait.ql", WAITING_SCRIPT)):
        with open(os.path.join(tmp, script), "w") as f:
            f.write(text)
        for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            out_path = os.path.join(tmp, "out")
            with open(out_path, "wb") as out:
                proc = subprocess.Popen([binary, script], cwd=tmp, stdout=out,
                                        stdin=subprocess.PIPE, stderr=subprocess.PIPE)
                time.sleep(0.5)
                proc.send_signal(sig)
                try:
                    _, err = proc.communicate(timeout=WAIT)
                    got = (open(out_path, "rb").read(), err, proc.returncode)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    got = "hung"
            yield f"{sig.name} in {script}", got, (b"start\n", b"", 128 + sig)


# Opens a window, then uses each standard stream.
STREAMS_SCRIPT = """\
window(200, 100)
let i = 0
while i < 20000 { print("some text") i += 1 }
print(1 / 0)
print(input("?"))
present()
"""


def closed_stream_cases(binary, tmp):
    with open(os.path.join(tmp, "streams.ql"), "w") as f:
        f.write(STREAMS_SCRIPT)
    text = b"some text\n" * 20000
    cases = (
        (">&-", b"", b"Error: division by zero\n"),
        ("2>&-", text + b"0\n?\n", b""),
        ("<&-", text + b"0\n?\n", b"Error: division by zero\n"),
    )
    for redirect, out, err in cases:
        yield (f"closed {redirect}", run_shell(f"exec '{binary}' streams.ql {redirect}", tmp),
               (out, err, 0))


def main(argv):
    binary = os.path.abspath(argv[1])
    failed = total = 0
    with tempfile.TemporaryDirectory() as tmp:
        for cases in (loading_cases, signal_cases, closed_stream_cases):
            for name, got, expected in cases(binary, tmp):
                total += 1
                if got != expected:
                    failed += 1
                    print(f"FAIL {name}:\n  expected {expected!r:.300}\n  got      {got!r:.300}")
    print(f"{total - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
