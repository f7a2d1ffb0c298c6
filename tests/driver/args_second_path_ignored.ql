# Only the first path counts: the later ones are not even looked at, not
# when they are missing, have another extension or are not UTF-8.
# args: {script} missing.ql notes.txt '\xff\xfe'
