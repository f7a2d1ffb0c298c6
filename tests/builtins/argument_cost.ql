# Built-ins read their arguments in place: len, pop and contains on a large
# array or text take constant time, and xs = push(xs, v) appends without
# copying the array. Copying instead would make this script run for many
# minutes (hundreds of billions of element copies), far beyond its time
# limit; as written it takes a fraction of a second.
# timeout: 60
def main() {
  let xs = 0..1000000
  let text = concat(xs)
  let total = 0
  let i = 0
  while i < 300000 {
    total += len(xs) + pop(xs) + len(text)
    if contains(text, "") { total += 1 }
    i += 1
  }
  print(total)
  let ys = []
  for k in 0..300000 {
    ys = push(ys, k)
  }
  print(len(ys), pop(ys))
}
# expect: 2966667000000
# expect: 300000
# expect: 299999
