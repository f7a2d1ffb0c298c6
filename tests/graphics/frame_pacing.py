#!/usr/bin/env python3
"""present() paces frames: 60 a second unless --fps says otherwise, and
--fps 0 shows each frame at once. Only bounds that noise cannot break are
checked: sleeping makes a paced run last at least its frames' time, and an
unpaced run of the same frames is far quicker than that.

Usage: xvfb-run -a python3 frame_pacing.py QUILLO_BINARY
"""

import os
import subprocess
import sys
import tempfile
import time

SCRIPT = """window(64, 64)
let frames = 0
while frames < FRAMES {
  clear()
  present()
  frames += 1
}
print(frames)
"""


def timed_run(binary, frames, args):
    with tempfile.TemporaryDirectory() as d:
        path = os.path.join(d, "frames.ql")
        with open(path, "w") as f:
            f.write(SCRIPT.replace("FRAMES", str(frames)))
        start = time.monotonic()
        out = subprocess.run([binary, *args, path], capture_output=True, timeout=60)
        took = time.monotonic() - start
    assert out.returncode == 0 and out.stdout == f"{frames}\n".encode(), out
    return took


def main(binary):
    # (frames, switches, at least, at most): 61 frames at 60 a second are
    # 60 intervals of 1/60 s.
    cases = [
        (61, [], 0.95, None),
        (21, ["--fps", "20"], 0.95, None),
        (61, ["--fps=0"], None, 0.6),
    ]
    for frames, args, low, high in cases:
        took = timed_run(binary, frames, args)
        print(f"{frames} frames {args}: {took:.2f} s")
        assert low is None or took >= low, f"{args}: {took:.2f} s is faster than paced"
        assert high is None or took <= high, f"{args}: {took:.2f} s is not unpaced"
    print("frame pacing: all checks passed")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except AssertionError as e:
        print(f"FAIL: {e}")
        sys.exit(1)
