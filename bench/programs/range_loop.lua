-- A numeric for loop: sums the integers 0 .. n-1.
local function main()
    local n = 40000000
    local total = 0
    for i = 0, n - 1 do
        total = total + i
    end
    print(total)
end

main()
