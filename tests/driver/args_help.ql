# -h (or --help) in the path's place: the usage on standard output, status 0,
# and nothing runs.
# args: -v -h {script}
print("not run")
# expect: Usage: quillo [-v] SCRIPT.ql   run a script (its name must end in .ql)
# expect:        quillo [-v]             type code at the >>> prompt; 'exit', 'quit'
# expect:                                or Ctrl-D ends it, Ctrl-C stops what runs
# expect:
# expect: Switches (before or after the script):
# expect:   -v, --verbose   log each phase and its time on standard error
# expect:   --fps N         show at most N frames a second in a window (60 unless
# expect:                   set; 0 shows each frame at once)
# expect:   -h, --help      show this help and end
# expect:       --version   show the version and end
# expect:
# expect: Exit status:
# expect:   0       the script ran, whatever happened inside it; the prompt ended
# expect:   1       not a .ql path, a bad --fps, the file could not be read, or
# expect:           the program is nested too deeply or too large for memory
# expect:   128+N   stopped by signal N (130 for Ctrl-C, 143 for SIGTERM)
# expect:
# expect: The language guide is docs/language.md beside the sources, and
# expect: share/doc/quillo/language.md where quillo is installed (with the
# expect: examples); `man quillo` says the same as this.
