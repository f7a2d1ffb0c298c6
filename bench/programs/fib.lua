-- Recursive Fibonacci: function calls, comparisons and integer additions.
local function fib(n)
    if n < 2 then return n end
    return fib(n - 1) + fib(n - 2)
end

local function main()
    print(fib(34))
end

main()
