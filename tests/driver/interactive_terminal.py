#!/usr/bin/env python3
"""The interactive loop at a terminal: Ctrl-C stops a running input and
returns to the prompt with everything defined so far, and at the prompt it
drops an unfinished input; Ctrl-D ends the session on a fresh line. Lines
are edited (arrows, Ctrl-A, Tab completion) and the history, a multi-line
input as one entry, survives a restart.

Usage: interactive_terminal.py QUILLO_BINARY

The binary runs on a pseudo-terminal, so its standard input is a terminal
and Ctrl-C (byte 3) becomes an interrupt signal, as for a person typing.
"""

import os
import re
import pty
import select
import sys
import tempfile
import time

UP, RIGHT, HOME_KEY = b"\x1b[A", b"\x1b[C", b"\x01"


class Session:
    def __init__(self, binary):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.execv(binary, [binary])
        self.seen = b""

    def read_until(self, marker: bytes, timeout=20.0):
        deadline = time.monotonic() + timeout
        while marker not in self.seen:
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError(f"waited for {marker!r}; the terminal shows {self.seen!r}")
            ready, _, _ = select.select([self.fd], [], [], left)
            if ready:
                try:
                    data = os.read(self.fd, 4096)
                except OSError:
                    data = b""
                if not data:
                    raise AssertionError(f"the session ended before {marker!r}: {self.seen!r}")
                self.seen += data
        # Keep what follows the marker for the next wait.
        cut = self.seen.index(marker) + len(marker)
        before, self.seen = self.seen[:cut], self.seen[cut:]
        return before

    def send(self, data: bytes):
        os.write(self.fd, data)

    def finish(self):
        _, status = os.waitpid(self.pid, 0)
        return status


def main(binary):
    s = Session(binary)
    s.read_until(b">>> ")
    s.send(b"let kept = 42\r")
    s.read_until(b">>> ")

    # Ctrl-C stops an endless loop; the session and its variables survive.
    s.send(b"while true { }\r")
    time.sleep(0.5)
    s.send(b"\x03")
    s.read_until(b"Interrupted")
    s.read_until(b">>> ")
    s.send(b"print(kept + 1)\r")
    s.read_until(b"43")
    s.read_until(b">>> ")

    # Ctrl-C while a program waits in input(): the run stops.
    s.send(b"let answer = input(\"? \") print(\"after input\")\r")
    s.read_until(b"\r\n")  # the terminal's echo of the line
    s.read_until(b"? ")
    time.sleep(0.2)
    s.send(b"\x03")
    shown = s.read_until(b">>> ")
    # The line editor may redraw the typed line, so its echo can come late:
    # only a line of output that says "after input" is wrong.
    assert not re.search(rb"(^|\n)after input\r?\n", shown), shown
    assert b"Interrupted" in shown, shown

    # Ctrl-C at the continuation prompt drops the unfinished input.
    s.send(b"def broken() {\r")
    s.read_until(b"... ")
    time.sleep(0.2)
    s.send(b"\x03")
    s.read_until(b">>> ")
    s.send(b"print(typeof(broken))\r")
    s.read_until(b"null")
    s.read_until(b">>> ")

    # Tab completes a bound name; arrow up recalls the last input, which is
    # then edited in its middle.
    s.send(b"let total = 40\r")
    s.read_until(b">>> ")
    s.send(b"print(tot\t + 2)\r")
    s.read_until(b"42")
    s.read_until(b">>> ")
    s.send(UP + HOME_KEY + RIGHT * 6 + b"len([1]) + \r")
    s.read_until(b"43")
    s.read_until(b">>> ")
    s.send(b"def five() {\r")
    s.read_until(b"... ")
    s.send(b"return 5\r")
    s.read_until(b"... ")
    s.send(b"}\r")
    s.read_until(b">>> ")

    s.send(b"exit\r")
    s.read_until(b"Goodbye!")
    status = s.finish()
    assert os.WIFEXITED(status) and os.WEXITSTATUS(status) == 0, status

    # A new session recalls the multi-line definition as one entry.
    s = Session(binary)
    s.read_until(b">>> ")
    # Keys typed before the editor has taken the terminal may be lost, as
    # for a person typing ahead; wait for it.
    time.sleep(0.5)
    s.send(UP + b"\r")
    s.read_until(b">>> ")
    s.send(b"print(five() * 2)\r")
    s.read_until(b"10")
    s.read_until(b">>> ")
    s.send(b"exit\r")
    s.read_until(b"Goodbye!")
    s.finish()

    # Ctrl-D at the prompt ends the session quietly, on a fresh line.
    s = Session(binary)
    s.read_until(b">>> ")
    time.sleep(0.5)
    s.send(b"\x04")
    rest = b""
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        ready, _, _ = select.select([s.fd], [], [], 1.0)
        if not ready:
            continue
        try:
            data = os.read(s.fd, 4096)
        except OSError:
            break
        if not data:
            break
        rest += data
    else:
        raise AssertionError(f"Ctrl-D did not end the session: {rest!r}")
    status = s.finish()
    # The line editor shows the key as ^D, as shells do.
    assert rest in (b"\r\n", b"^D\r\n"), rest
    assert os.WIFEXITED(status) and os.WEXITSTATUS(status) == 0, status
    print("interactive terminal: all checks passed")


if __name__ == "__main__":
    # The history file goes to a home of the test's own; a terminal names
    # its type.
    home = tempfile.TemporaryDirectory()
    os.environ["HOME"] = home.name
    os.environ["TERM"] = "xterm"
    try:
        main(sys.argv[1])
    except AssertionError as e:
        print(f"FAIL: {e}")
        sys.exit(1)
