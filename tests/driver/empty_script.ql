# An empty program runs and prints nothing.
