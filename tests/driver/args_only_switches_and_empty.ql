# Switches and empty arguments only: still no script and no output.
# args: --verbose '' -v ''
