# A top-level return inside loops ends every loop and the run.
for i in 0..5 {
  let j = 0
  while true {
    if i == 2 { return }
    print(i)
    break
  }
}
print("not reached")
# expect: 0
# expect: 1
