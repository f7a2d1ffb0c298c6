" Syntax highlighting for Quillo scripts (.ql).
" Install: copy syntax/ and ftdetect/ into ~/.vim (or ~/.config/nvim).
if exists("b:current_syntax")
  finish
endif

syn keyword quilloKeyword let def return if else while for in break continue
syn keyword quilloKeyword match try catch global
syn keyword quilloOperator and or not
syn keyword quilloBoolean true false
syn keyword quilloConstant null

" The built-in functions.
syn keyword quilloBuiltin print input typeof len push pop reverse contains
syn keyword quilloBuiltin concat split slice upper lower is_number is_string
syn keyword quilloBuiltin is_array is_dict sqrt floor ceil round abs pow min max
syn keyword quilloBuiltin random random_range window is_open window_width
syn keyword quilloBuiltin window_height present clear color rect circle
syn keyword quilloBuiltin triangle draw fill

syn match quilloNumber "\<\d\+\(\.\d\+\)\=\>"
syn region quilloString start=+"+ skip=+\\\\\|\\"+ end=+"+ contains=quilloEscape
syn match quilloEscape contained +\\[ntr"\\]+
syn match quilloComment "#.*$" contains=quilloTodo
syn region quilloComment start="/\*" end="\*/" contains=quilloTodo
syn keyword quilloTodo contained TODO FIXME XXX
syn match quilloArrow "=>"

hi def link quilloKeyword Statement
hi def link quilloOperator Operator
hi def link quilloBoolean Boolean
hi def link quilloConstant Constant
hi def link quilloBuiltin Function
hi def link quilloNumber Number
hi def link quilloString String
hi def link quilloEscape SpecialChar
hi def link quilloComment Comment
hi def link quilloTodo Todo
hi def link quilloArrow Operator

let b:current_syntax = "quillo"
