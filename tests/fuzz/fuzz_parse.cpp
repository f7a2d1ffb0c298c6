// Fuzz target: any byte string goes through the lexer and the parser, which
// must neither crash, nor hang, nor touch memory they do not own.
//
// Under libFuzzer each input runs on the interpreter's large stack, as the
// driver runs a script: the parser's nesting limit is sized for that stack,
// not for the default one (which, with the sanitizers' larger frames, a few
// thousand nested brackets already exhaust). The corpus replayer calls the
// target from the large stack itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "driver/large_stack.h"
#include "lexer/lexer.h"
#include "lexer/symbol.h"
#include "parser/ast_printer.h"
#include "parser/parser.h"
#include "stack_worker.h"

namespace {

int parse_copy_print(std::string_view text) {
    // The names of one input are forgotten after it, so the symbol table
    // does not grow with every name the fuzzer makes up.
    static const std::size_t symbols_kept = quillo::Symbol::count();
    {
        quillo::TokenList tokens = quillo::tokenize(text);
        quillo::Program program = quillo::parse_program(tokens);
        // Copying and printing walk every node the parser built.
        quillo::Program copy = program;
        (void)quillo::to_sexpr(copy);
    }
    quillo::Symbol::forget_since(symbols_kept);
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
#ifdef QUILLO_REPLAY
    return parse_copy_print(text);
#else
    return quillo::fuzzing::StackWorker::instance().run([text] { return parse_copy_print(text); });
#endif
}
