# --version in the path's place answers and runs nothing.
# args: --version {script}
print("not run")
# expect-match: quillo [0-9]+\.[0-9]+\.[0-9]+
