-- Text work: each round builds a line with .. (an integer among the pieces),
-- splits it, slices pieces, tests for substrings and grows a text with ..,
-- which starts over once it passes 2000 bytes. Lua has no split, so a small
-- function does it with plain (not pattern) string.find.
local function split(text, sep)
    local pieces = {}
    local start = 1
    while true do
        local first, last = string.find(text, sep, start, true)
        if first == nil then break end
        pieces[#pieces + 1] = string.sub(text, start, first - 1)
        start = last + 1
    end
    pieces[#pieces + 1] = string.sub(text, start)
    return pieces
end

local function main()
    local n = 1200000
    local words = {"alpha", "beta", "gamma", "delta"}
    local total = 0
    local hits = 0
    local grown = ""
    for i = 0, n - 1 do
        local line = words[i % 4 + 1] .. ":" .. i .. "," .. i * 7 .. ",end"
        local parts = split(line, ",")
        local head = string.sub(parts[1], 1, 3)
        local middle = string.sub(line, 3, 9)
        total = total + #parts + #head + #middle + #parts[2]
        if string.find(line, "77", 1, true) then hits = hits + 1 end
        if string.find(middle, ":", 1, true) then hits = hits + 2 end
        grown = grown .. head
        if #grown > 2000 then grown = "" end
    end
    print(total)
    print(hits)
    print(#grown)
end

main()
