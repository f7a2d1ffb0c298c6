" Files ending in .ql are Quillo scripts.
autocmd BufRead,BufNewFile *.ql setfiletype quillo
