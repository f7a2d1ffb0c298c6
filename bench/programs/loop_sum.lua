-- A while loop with a hand-kept counter: sums the integers 0 .. n-1.
local function main()
    local n = 20000000
    local total = 0
    local i = 0
    while i < n do
        total = total + i
        i = i + 1
    end
    print(total)
end

main()
