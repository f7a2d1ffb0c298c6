# Without arguments there is no script to run and nothing is written.
# args:
