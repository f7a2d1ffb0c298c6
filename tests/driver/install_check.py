#!/usr/bin/env python3
"""make install puts everything in place: the installed interpreter runs,
and the manual page, the guide, the examples and the editor files are where
the manual page and --help say.

Usage: install_check.py BUILD_DIR
"""

import os
import subprocess
import sys
import tempfile


def main(build):
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                       capture_output=True)
        out = subprocess.run([os.path.join(prefix, "bin", "quillo"), "--version"],
                             capture_output=True, check=True)
        assert out.stdout.startswith(b"quillo "), out
        for path in ["share/man/man1/quillo.1", "share/doc/quillo/language.md",
                     "share/doc/quillo/examples/hello.ql",
                     "share/quillo/editors/vim/syntax/quillo.vim"]:
            assert os.path.isfile(os.path.join(prefix, path)), f"{path} is not installed"
    print("install: all checks passed")


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except AssertionError as e:
        print(f"FAIL: {e}")
        sys.exit(1)
