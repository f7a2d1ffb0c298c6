#!/usr/bin/env python3
"""The window and the keyboard, on a real (virtual) X server: the Escape key
closes the window for a script's `while is_open()` loop, other keys do not,
and Ctrl-C still ends a script that never looks at its window's events.

Usage: xvfb-run -a python3 escape_key.py QUILLO_BINARY

Needs DISPLAY to name an X server (xvfb-run sets it) and xdotool, which
finds the window by its title and sends it the keys.
"""

import os
import re
import signal
import subprocess
import sys
import tempfile
import time

# How long the window may take to appear, and the program to end once it
# has been told to.
WINDOW_WAIT = 5.0
EXIT_WAIT = 5.0

# Opens the window, loops until Escape closes it, then shows that the loop
# ended because the window is closed and that window() does not open a
# second one.
ESCAPE_SCRIPT = """\
window(320, 200)
print("open")
while is_open() {
  clear()
  fill(rect(10, 10, 50, 50), color(255, 0, 0))
  present()
}
print(is_open())
window(640, 480)
print(window_width())
"""
ESCAPE_OUTPUT = b"open\nfalse\n320\n"

# Opens the window and never calls present(): no event is ever taken, so
# only a signal can end it.
ENDLESS_SCRIPT = """\
window(320, 200)
print("open")
while is_open() {
  clear()
  fill(circle(100, 100, 30), color(0, 255, 0))
}
"""

# The variables besides DISPLAY that could steer SDL to another display.
HIDDEN = ("WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "SDL_VIDEODRIVER", "SDL_RENDER_DRIVER")


class Program:
    """The interpreter running one script, with its output collected."""

    def __init__(self, binary, directory, name, text=None):
        """Runs the script `name` in `directory`, written first when `text`
        is given."""
        path = os.path.join(directory, name)
        if text is not None:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        env = {k: v for k, v in os.environ.items() if k not in HIDDEN}
        self.proc = subprocess.Popen([binary, path], stdin=subprocess.DEVNULL,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)

    def running(self):
        return self.proc.poll() is None

    def finish(self, timeout=EXIT_WAIT):
        """Waits for the end; returns (status, stdout, stderr)."""
        try:
            out, err = self.proc.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} seconds")
        return self.proc.returncode, out, err

    def kill(self):
        if self.running():
            self.proc.kill()
        self.proc.communicate()


def find_window(program):
    """The id of the program's window, once it is there."""
    deadline = time.monotonic() + WINDOW_WAIT
    while True:
        left = deadline - time.monotonic()
        if left <= 0:
            raise AssertionError("no window titled Quillo appeared")
        if not program.running():
            status, out, err = program.finish()
            raise AssertionError(f"the program ended before its window appeared: status "
                                 f"{status}, output {out!r}, errors {err!r}")
        try:
            found = subprocess.run(["xdotool", "search", "--sync", "--name", "^Quillo$"],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                   timeout=min(left, 1.0))
        except subprocess.TimeoutExpired:
            continue
        ids = found.stdout.split()
        if found.returncode == 0 and ids:
            return ids[-1].decode()


def press(window, key):
    """Presses and releases a key in the window. The release matters: the
    X server keeps running between programs, and a key it still holds down
    would repeat into the next program's window."""
    subprocess.run(["xdotool", "key", "--window", window, key], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=5)


def release_escape():
    """Releases Escape in the X server itself. The server keeps running
    between programs, and a key it still held down would repeat into the
    next program's window."""
    subprocess.run(["xdotool", "keyup", "Escape"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=5)


def close_with_escape(program, window):
    """Sends Escape, again each second while the program goes on (a key
    sent at the very moment the window appears could come before SDL
    listens for keys)."""
    deadline = time.monotonic() + EXIT_WAIT
    while program.running() and time.monotonic() < deadline:
        # Escape closes the window at once, so a release sent to it could
        # find it gone: the key goes down in the window and is released
        # below, in the server.
        subprocess.run(["xdotool", "keydown", "--window", window, "Escape"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=5)
        release_escape()
        try:
            program.proc.wait(timeout=1.0)
        except subprocess.TimeoutExpired:
            pass


def expect_escape_output(program):
    status, out, err = program.finish()
    assert status == 0, f"exit status {status}, errors {err!r}"
    assert out == ESCAPE_OUTPUT, f"output {out!r}, expected {ESCAPE_OUTPUT!r}"
    assert err == b"", f"errors {err!r}"


def escape_closes(binary, directory, started):
    """Escape ends the loop; is_open() is false after it and a later window()
    call opens nothing."""
    program = Program(binary, directory, "escape.ql", ESCAPE_SCRIPT)
    started.append(program)
    window = find_window(program)
    close_with_escape(program, window)
    expect_escape_output(program)


def other_keys_do_not_close(binary, directory, started):
    """Letters and the space bar leave the window open; Escape then closes
    it as before."""
    program = Program(binary, directory, "keys.ql", ESCAPE_SCRIPT)
    started.append(program)
    window = find_window(program)
    for key in ("a", "space", "Return", "q"):
        press(window, key)
    time.sleep(0.5)
    assert program.running(), f"other keys ended the program: {program.finish()!r}"
    close_with_escape(program, window)
    expect_escape_output(program)


def interrupt_ends(binary, directory, started):
    """SIGINT, as Ctrl-C sends, ends a script with a window that never calls
    present(): the graphics library does not turn it into an event."""
    program = Program(binary, directory, "endless.ql", ENDLESS_SCRIPT)
    started.append(program)
    find_window(program)
    time.sleep(0.2)
    assert program.running(), f"the endless script ended by itself: {program.finish()!r}"
    program.proc.send_signal(signal.SIGINT)
    status, out, err = program.finish()
    assert (status, out) == (130, b"open\n"), f"exit status {status}, output {out!r}, errors {err!r}"


EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")


def examples_end_on_escape(binary, directory, started):
    """The graphics examples run until Escape and then end cleanly."""
    for name, output in (("bouncing_balls.ql", rb"Shown [1-9][0-9]* frames\.\n"),
                         ("landscape.ql", rb""), ("life.ql", rb""),
                         ("sierpinski.ql", rb""), ("clock.ql", rb"")):
        program = Program(binary, EXAMPLES, name)
        started.append(program)
        window = find_window(program)
        time.sleep(0.3)
        assert program.running(), f"{name} ended by itself: {program.finish()!r}"
        close_with_escape(program, window)
        status, out, err = program.finish()
        assert status == 0 and err == b"", f"{name}: status {status}, errors {err!r}"
        assert re.fullmatch(output, out), f"{name}: output {out!r}"


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    if not os.environ.get("DISPLAY"):
        print("DISPLAY is not set: run this under xvfb-run")
        return 1
    binary = os.path.abspath(argv[1])
    cases = [escape_closes, other_keys_do_not_close, interrupt_ends, examples_end_on_escape]
    failed = 0
    with tempfile.TemporaryDirectory() as directory:
        for case in cases:
            started = []
            begun = time.monotonic()
            try:
                case(binary, directory, started)
                print(f"ok   {case.__name__} ({time.monotonic() - begun:.2f} s)")
            except (AssertionError, subprocess.SubprocessError) as e:
                failed += 1
                print(f"FAIL {case.__name__}: {e}")
            finally:
                for program in started:
                    program.kill()
                release_escape()
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
