-- Array work: each round builds a table with appends, reads its last
-- element, reverses it into a new table, then sums the reversed table with a
-- for loop and the original with an index loop bounded by #. Indices are
-- 1-based; the values stored are those of the other twins.
local function reverse(xs)
    local ys = {}
    local n = #xs
    for k = n, 1, -1 do
        ys[#ys + 1] = xs[k]
    end
    return ys
end

local function main()
    local rounds = 3500
    local m = 2000
    local total = 0
    for r = 0, rounds - 1 do
        local xs = {}
        for i = 0, m - 1 do
            xs[#xs + 1] = i * 3 + r
            if i % 16 == 0 then total = total + xs[#xs] end
        end
        local ys = reverse(xs)
        total = total + ys[1] + #ys
        for _, v in ipairs(ys) do
            total = total + v
        end
        local j = 1
        while j <= #xs do
            total = total + xs[j] % 7
            j = j + 2
        end
    end
    print(total)
end

main()
