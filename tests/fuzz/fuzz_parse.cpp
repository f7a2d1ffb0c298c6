// Fuzz target: any byte string goes through the lexer and the parser, which
// must neither crash, nor hang, nor touch memory they do not own.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lexer/lexer.h"
#include "parser/ast_printer.h"
#include "parser/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    quillo::TokenList tokens = quillo::tokenize(text);
    quillo::Program program = quillo::parse_program(tokens);
    // Copying and printing walk every node the parser built.
    quillo::Program copy = program;
    (void)quillo::to_sexpr(copy);
    return 0;
}
