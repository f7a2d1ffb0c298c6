# After the path, --help and --version are ignored like any later argument.
# args: {script} --help --version
print("ran")
# expect: ran
