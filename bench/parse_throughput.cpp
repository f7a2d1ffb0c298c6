// Parse throughput benchmark (not a test).
//
// Generates a large Quillo script in memory, deterministically from a fixed
// seed, with the whole range of statement and expression forms a real script
// uses, and measures the lexer alone, the parser alone and both together.
// Each figure is the best of a few runs on the monotonic clock; memory
// release is outside the timed regions and reported on its own line. The
// same is then done for a script ten times larger: if lexing and parsing are
// linear, the large run takes about ten times as long.
//
// Usage: parse_throughput [--size-mb N] [--no-large] [--runs N] [--dump PATH]
//   --size-mb N   size of the small script in MiB (default 20)
//   --no-large    skip the script ten times larger
//   --runs N      runs per measurement, the best one counts (default 3)
//   --dump PATH   also write the small script to PATH
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "driver/large_stack.h"
#include "lexer/lexer.h"
#include "parser/parser.h"

namespace {

using quillo::Program;
using quillo::TokenList;

constexpr std::uint64_t kSeed = 0x5143'494c'4c4f'2024ULL;
constexpr double kMiB = 1024.0 * 1024.0;

// ---- deterministic random numbers -------------------------------------------

// splitmix64: tiny, fast and identical on every platform.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number in [0, n).
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    // True with probability percent/100.
    bool chance(unsigned percent) { return below(100) < percent; }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N]) {
        return items[below(N)];
    }

  private:
    std::uint64_t state_;
};

// ---- script generator ---------------------------------------------------------

constexpr const char* kNames[] = {
    "x",     "y",     "count",  "total", "index",  "value", "result", "items",   "names",
    "speed", "width", "height", "left",  "right",  "acc",   "data",   "node",    "key",
    "step",  "limit", "buffer", "score", "player", "enemy", "grid",   "row",     "col",
    "temp",  "delta", "ratio",  "angle", "offset", "queue", "stack",  "visited", "frame",
};
constexpr const char* kFields[] = {"x",    "y",     "w",     "h",    "name",  "size",
                                   "next", "value", "color", "left", "right", "hp"};
constexpr const char* kBuiltins[] = {"print", "len",  "push", "str",   "abs",     "sqrt",
                                     "min",   "max",  "keys", "floor", "input",   "random_range",
                                     "clear", "fill", "rect", "color", "is_array"};
constexpr const char* kWords[] = {"hello", "world", "quick", "brown", "fox",   "jumps",
                                  "over",  "lazy",  "dog",   "score", "level", "game over",
                                  "ready", "set",   "go",    "café",  "naïve", "→ next"};
constexpr const char* kEscapes[] = {"\\n", "\\t", "\\\"", "\\\\", "\\r", "\\q"};
constexpr const char* kBinaryOps[] = {
    "or", "and", "==", "!=", "<", ">", "<=", ">=", "+", "-", "*", "/", "%", "**"};
constexpr const char* kCompoundOps[] = {"+=", "-=", "*=", "/="};
constexpr const char* kComments[] = {
    "keep the frame rate steady",  "TODO: handle the empty case", "walk the grid row by row",
    "score doubles after level 5", "clamp to the window",         "naïve but good enough here",
};

class ScriptGen {
  public:
    explicit ScriptGen(std::uint64_t seed) : rng_(seed) {}

    // Appends top-level items until the text holds at least `bytes` bytes.
    std::string generate(std::size_t bytes) {
        out_.clear();
        out_.reserve(bytes + 4096);
        while (out_.size() < bytes)
            top_level_item();
        return std::move(out_);
    }

  private:
    Rng rng_;
    std::string out_;
    int indent_ = 0;
    int loop_depth_ = 0;
    unsigned function_counter_ = 0;

    void newline() {
        out_ += '\n';
        out_.append(static_cast<std::size_t>(indent_) * 4, ' ');
    }

    void name() {
        out_ += rng_.pick(kNames);
        if (rng_.chance(30)) {
            out_ += '_';
            out_ += std::to_string(rng_.below(20));
        } else if (rng_.chance(1)) {
            out_ += "_\xc3\xa9t\xc3\xa9"; // a non-ASCII tail: "_été"
        }
    }

    void function_name() {
        if (rng_.chance(60)) {
            out_ += rng_.pick(kBuiltins);
        } else {
            out_ += "update_";
            out_ += std::to_string(rng_.below(function_counter_ + 1));
        }
    }

    void integer() {
        switch (rng_.below(4)) {
        case 0: out_ += std::to_string(rng_.below(10)); break;
        case 1: out_ += std::to_string(rng_.below(1000)); break;
        case 2: out_ += std::to_string(rng_.below(100000)); break;
        default: out_ += std::to_string(rng_.next() >> 24); break;
        }
    }

    void floating() {
        out_ += std::to_string(rng_.below(1000));
        out_ += '.';
        const std::size_t digits = 1 + rng_.below(6);
        for (std::size_t i = 0; i < digits; ++i)
            out_ += static_cast<char>('0' + rng_.below(10));
    }

    void string_literal() {
        out_ += '"';
        const std::size_t words = 1 + rng_.below(5);
        for (std::size_t i = 0; i < words; ++i) {
            if (i > 0) out_ += ' ';
            out_ += rng_.pick(kWords);
            if (rng_.chance(20)) out_ += rng_.pick(kEscapes);
        }
        out_ += '"';
    }

    void atom() {
        switch (rng_.below(10)) {
        case 0:
        case 1:
        case 2: name(); break;
        case 3:
        case 4: integer(); break;
        case 5: floating(); break;
        case 6: string_literal(); break;
        case 7: out_ += rng_.chance(50) ? "true" : "false"; break;
        case 8: // member access
            name();
            out_ += '.';
            out_ += rng_.pick(kFields);
            if (rng_.chance(25)) {
                out_ += '.';
                out_ += rng_.pick(kFields);
            }
            break;
        default: // indexing
            name();
            out_ += '[';
            if (rng_.chance(50)) {
                integer();
            } else {
                name();
                out_ += " + 1";
            }
            out_ += ']';
            break;
        }
    }

    void args(int depth, std::size_t max_count) {
        const std::size_t n = rng_.below(max_count + 1);
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0) out_ += ", ";
            expr(depth - 1);
        }
    }

    void expr(int depth) {
        if (depth <= 0) {
            atom();
            return;
        }
        const std::size_t roll = rng_.below(100);
        if (roll < 35) {
            atom();
        } else if (roll < 65) {
            expr(depth - 1);
            out_ += ' ';
            out_ += rng_.pick(kBinaryOps);
            out_ += ' ';
            expr(depth - 1);
        } else if (roll < 71) {
            switch (rng_.below(3)) {
            case 0: out_ += '-'; break;
            case 1: out_ += "not "; break;
            default: out_ += '!'; break;
            }
            if (rng_.chance(50)) {
                atom();
            } else {
                out_ += '(';
                expr(depth - 1);
                out_ += ')';
            }
        } else if (roll < 81) {
            function_name();
            out_ += '(';
            args(depth, 3);
            out_ += ')';
        } else if (roll < 86) {
            out_ += '[';
            args(depth, 4);
            out_ += ']';
            if (rng_.chance(20)) out_ += "[0]";
        } else if (roll < 90) {
            out_ += '{';
            const std::size_t n = rng_.below(4);
            for (std::size_t i = 0; i < n; ++i) {
                if (i > 0) out_ += ", ";
                out_ += rng_.pick(kFields);
                out_ += ": ";
                expr(depth - 1);
            }
            out_ += '}';
        } else if (roll < 93) {
            name();
            out_ += '[';
            expr(depth - 1);
            out_ += ']';
            if (rng_.chance(30)) {
                out_ += '.';
                out_ += rng_.pick(kFields);
            }
        } else if (roll < 98) {
            out_ += '(';
            expr(depth - 1);
            out_ += ' ';
            out_ += rng_.pick(kBinaryOps);
            out_ += ' ';
            expr(depth - 1);
            out_ += ')';
        } else {
            out_ += '('; // a range used as a value
            range();
            out_ += ')';
        }
    }

    // A range's operands are additive expressions: at most one `..` is read
    // at a time, so they hold no range of their own.
    void range_operand() {
        switch (rng_.below(4)) {
        case 0:
        case 1: atom(); break;
        case 2:
            out_ += "len(";
            name();
            out_ += ')';
            break;
        default:
            name();
            out_ += rng_.chance(50) ? " + 1" : " - 1";
            break;
        }
    }

    void range() {
        range_operand();
        out_ += "..";
        range_operand();
    }

    void maybe_semicolon() {
        if (rng_.chance(15)) out_ += ';';
    }

    void block(int depth, std::size_t min_count, std::size_t max_count) {
        out_ += " {";
        ++indent_;
        const std::size_t n = min_count + rng_.below(max_count - min_count + 1);
        for (std::size_t i = 0; i < n; ++i) {
            newline();
            statement(depth - 1);
        }
        --indent_;
        newline();
        out_ += '}';
    }

    void loop_body(int depth) {
        ++loop_depth_;
        block(depth, 1, 4);
        --loop_depth_;
    }

    void comment() {
        if (rng_.chance(70)) {
            out_ += "# ";
            out_ += rng_.pick(kComments);
        } else {
            out_ += "/* ";
            out_ += rng_.pick(kComments);
            out_ += " */";
        }
    }

    void statement(int depth) {
        // Compound statements only while there is depth left.
        const std::size_t roll = rng_.below(depth > 0 ? 100 : 62);
        if (roll < 14) {
            out_ += "let ";
            name();
            out_ += " = ";
            expr(3);
            maybe_semicolon();
        } else if (roll < 24) {
            name();
            out_ += " = ";
            expr(3);
            maybe_semicolon();
        } else if (roll < 31) {
            name();
            out_ += ' ';
            out_ += rng_.pick(kCompoundOps);
            out_ += ' ';
            expr(2);
            maybe_semicolon();
        } else if (roll < 42) {
            function_name();
            out_ += '(';
            args(3, 4);
            out_ += ')';
            maybe_semicolon();
        } else if (roll < 48) {
            out_ += "return";
            if (rng_.chance(80)) {
                out_ += ' ';
                expr(3);
                maybe_semicolon();
            } else {
                out_ += ';'; // else the next line would be read as its value
            }
        } else if (roll < 52) {
            comment();
        } else if (roll < 55) {
            if (loop_depth_ > 0) {
                out_ += rng_.chance(50) ? "break" : "continue";
            } else {
                out_ += "global ";
                name();
            }
            maybe_semicolon();
        } else if (roll < 62) {
            out_ += "print(";
            string_literal();
            out_ += " + str(";
            expr(2);
            out_ += "))";
        } else if (roll < 74) {
            out_ += "if ";
            expr(2);
            block(depth, 1, 4);
            if (rng_.chance(45)) {
                out_ += " else";
                block(depth, 1, 3);
            }
        } else if (roll < 80) {
            out_ += "while ";
            expr(2);
            loop_body(depth);
        } else if (roll < 88) {
            out_ += "for ";
            name();
            out_ += " in ";
            if (rng_.chance(70)) {
                range();
            } else {
                name();
            }
            loop_body(depth);
        } else if (roll < 94) {
            match(depth);
        } else {
            out_ += "try";
            block(depth, 1, 3);
            out_ += " catch err";
            block(depth, 1, 2);
        }
    }

    // An arm body that starts with `{` is a block, so a dict literal there is
    // put in parentheses.
    void arm_expression(int depth) {
        const std::size_t start = out_.size();
        expr(depth);
        if (out_[start] == '{') {
            out_.insert(start, 1, '(');
            out_ += ')';
        }
    }

    void match(int depth) {
        out_ += "match ";
        expr(1);
        out_ += " {";
        ++indent_;
        const std::size_t arms = 1 + rng_.below(4);
        for (std::size_t i = 0; i < arms; ++i) {
            newline();
            switch (rng_.below(3)) {
            case 0: integer(); break;
            case 1: string_literal(); break;
            default: expr(1); break;
            }
            out_ += " =>";
            if (rng_.chance(40)) {
                block(depth, 1, 2);
            } else {
                out_ += ' ';
                arm_expression(2);
                // Keeps a following pattern that starts with `-` out of this
                // arm's body.
                out_ += ';';
            }
        }
        newline();
        out_ += "_ => ";
        arm_expression(1);
        --indent_;
        newline();
        out_ += '}';
    }

    void top_level_item() {
        const std::size_t roll = rng_.below(100);
        if (roll < 8) {
            comment();
        } else if (roll < 16) {
            out_ += "let ";
            name();
            out_ += " = ";
            expr(3);
        } else {
            out_ += "def update_";
            out_ += std::to_string(function_counter_++);
            out_ += '(';
            const std::size_t params = rng_.below(5);
            for (std::size_t i = 0; i < params; ++i) {
                if (i > 0) out_ += ", ";
                name();
            }
            out_ += ')';
            block(3, 3, 10);
        }
        out_ += '\n';
        if (rng_.chance(30)) out_ += '\n';
    }
};

// ---- measurement --------------------------------------------------------------

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Figures {
    std::size_t bytes = 0;
    std::size_t tokens = 0;
    std::size_t statements = 0;
    double generate_s = 0;
    double tokenize_s = 1e300;
    double parse_s = 1e300;
    double both_s = 1e300;
    double release_s = 0;
};

double mb_per_s(std::size_t bytes, double seconds) {
    return bytes / kMiB / seconds;
}

void print_line(const char* what, std::size_t bytes, double seconds) {
    std::printf("  %-16s %9.3f s %9.1f MB/s\n", what, seconds, mb_per_s(bytes, seconds));
}

// Generates a script of `bytes` bytes and measures it. Each timed region holds
// only the work being measured: the results are released after the clock has
// been read.
Figures measure(std::size_t bytes, int runs, const char* dump_path) {
    Figures f;
    auto start = Clock::now();
    const std::string text = ScriptGen(kSeed).generate(bytes);
    f.generate_s = seconds_since(start);
    f.bytes = text.size();
    if (dump_path != nullptr) {
        std::ofstream(dump_path, std::ios::binary) << text;
    }

    for (int i = 0; i < runs; ++i) {
        start = Clock::now();
        TokenList tokens = quillo::tokenize(text);
        f.tokenize_s = std::min(f.tokenize_s, seconds_since(start));
        f.tokens = tokens.size();
    }
    {
        const TokenList tokens = quillo::tokenize(text);
        for (int i = 0; i < runs; ++i) {
            start = Clock::now();
            Program program = quillo::parse_program(tokens);
            f.parse_s = std::min(f.parse_s, seconds_since(start));
            f.statements = program.statements.size();
        }
    }
    for (int i = 0; i < runs; ++i) {
        start = Clock::now();
        auto tokens = std::make_unique<TokenList>(quillo::tokenize(text));
        auto program = std::make_unique<Program>(quillo::parse_program(*tokens));
        f.both_s = std::min(f.both_s, seconds_since(start));
        start = Clock::now();
        program.reset();
        tokens.reset();
        f.release_s = seconds_since(start);
    }

    std::printf("script: %.2f MB (%zu bytes), %zu tokens, %zu top-level statements, "
                "generated in %.2f s\n",
                f.bytes / kMiB, f.bytes, f.tokens, f.statements, f.generate_s);
    print_line("tokenize", f.bytes, f.tokenize_s);
    print_line("parse", f.bytes, f.parse_s);
    print_line("tokenize+parse", f.bytes, f.both_s);
    std::printf("  %-16s %9.3f s   (tokens and tree, last run; not in the figures above)\n",
                "release", f.release_s);
    std::fflush(stdout);
    return f;
}

struct Options {
    double size_mb = 20;
    bool large = true;
    int runs = 3;
    const char* dump_path = nullptr;
};

bool parse_options(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--size-mb" && has_value) {
            o.size_mb = std::strtod(argv[++i], nullptr);
        } else if (arg == "--runs" && has_value) {
            o.runs = std::atoi(argv[++i]);
        } else if (arg == "--dump" && has_value) {
            o.dump_path = argv[++i];
        } else if (arg == "--no-large") {
            o.large = false;
        } else {
            return false;
        }
    }
    return o.size_mb > 0 && o.runs > 0;
}

int bench(const Options& o) {
    constexpr double kTargetMbPerS = 30;
    std::printf("Quillo parse throughput: best of %d runs, steady clock, 1 MB = 2^20 bytes, "
                "seed %#llx\n",
                o.runs, static_cast<unsigned long long>(kSeed));
    const auto small_bytes = static_cast<std::size_t>(o.size_mb * kMiB);
    const Figures small = measure(small_bytes, o.runs, o.dump_path);
    double worst = mb_per_s(small.bytes, small.both_s);

    if (o.large) {
        const Figures large = measure(small_bytes * 10, o.runs, nullptr);
        worst = std::min(worst, mb_per_s(large.bytes, large.both_s));
        std::printf("large/small time ratio (size ratio %.2f, linear means about the same):\n",
                    static_cast<double>(large.bytes) / small.bytes);
        std::printf("  tokenize %.2f   parse %.2f   tokenize+parse %.2f\n",
                    large.tokenize_s / small.tokenize_s, large.parse_s / small.parse_s,
                    large.both_s / small.both_s);
    }
    std::printf("target %.0f MB/s for tokenize+parse: %s (slowest %.1f MB/s)\n", kTargetMbPerS,
                worst >= kTargetMbPerS ? "met" : "NOT met", worst);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr, "usage: parse_throughput [--size-mb N] [--no-large] [--runs N] "
                             "[--dump PATH]\n");
        return 2;
    }
    // Parsing recurses once per nesting level; the interpreter runs it on a
    // large stack, and so does the benchmark.
    return quillo::run_on_large_stack([&] { return bench(options); });
}
