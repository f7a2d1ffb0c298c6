// Replays every file of a fuzzing corpus (inputs found by fuzzing, and the
// hostile inputs kept as regressions) through a fuzz target, then a set of
// hostile inputs generated here because they are too large to keep as files.
// Runs on the interpreter's large stack, as the real program does.
//
// Built twice: with fuzz_parse.cpp (replay_corpus: deep nesting, very long
// tokens and constructs left open, through the lexer and parser), and with
// fuzz_run.cpp and QUILLO_REPLAY_RUN (replay_run: programs that loop, recurse
// or allocate without end, and very deep expressions and values, run by the
// interpreter). The run replay discards what the scripts print, and fails an
// input that runs for longer than kSlowSeconds: the target stops each run
// after a fraction of a second, so such an input did not stop.
//
// Usage: replay_corpus PATH...   (each PATH a corpus directory or one input)
// A crash, a sanitizer report or a hang is the failure; there is no output
// to compare.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "driver/large_stack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by targets that set something up once, as libFuzzer calls it.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

// Where the replay reports progress: standard output, or for the run replay
// a copy of it made before standard output is sent to /dev/null.
std::FILE* report = stdout;

#ifdef QUILLO_REPLAY_RUN
// Far longer than the target lets a run go on (a fraction of a second),
// parsing and releasing the largest hostile input included.
constexpr double kSlowSeconds = 10.0;
#endif

// Runs one input and returns how long it took, in milliseconds.
double run_one(const std::string& data) {
    const auto start = std::chrono::steady_clock::now();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// HEAD, then PIECE `times` times, then TAIL.
std::string build(std::string_view head, std::string_view piece, std::size_t times,
                  std::string_view tail = {}) {
    std::string out;
    out.reserve(head.size() + piece.size() * times + tail.size());
    out.append(head);
    for (std::size_t i = 0; i < times; ++i)
        out.append(piece);
    out.append(tail);
    return out;
}

std::string repeat(std::string_view piece, std::size_t times) {
    return build({}, piece, times);
}

struct Hostile {
    const char* name;
    std::function<std::string()> make;
};

// Deeper than the parser's nesting limit (100,000), so that the limit itself
// is exercised, yet quick to parse.
constexpr std::size_t kDeep = 300'000;
// Many repetitions of a flat construct, where length rather than depth is
// the point.
constexpr std::size_t kMany = 100'000;
// Long enough to dwarf any real token.
constexpr std::size_t kLong = 4u << 20;

#ifndef QUILLO_REPLAY_RUN
std::vector<Hostile> hostile_inputs() {
    return {
        // Deep nesting of every bracket and prefix operator, open and closed.
        {"300k nested (", [] { return repeat("(", kDeep); }},
        {"300k nested [", [] { return repeat("[", kDeep); }},
        {"300k nested {", [] { return repeat("{", kDeep); }},
        {"300k nested ( closed", [] { return build(repeat("(", kDeep) + "1", ")", kDeep); }},
        {"300k nested [ closed", [] { return build(repeat("[", kDeep) + "1", "]", kDeep); }},
        {"300k nested dict values", [] { return build(repeat("{a: ", kDeep) + "1", "}", kDeep); }},
        {"300k mixed ([{", [] { return repeat("([{", kDeep); }},
        {"300k prefix -", [] { return build({}, "-", kDeep, "1"); }},
        {"300k prefix not", [] { return build({}, "not ", kDeep, "x"); }},
        {"300k prefix !", [] { return build({}, "!", kDeep, "x"); }},
        {"300k nested calls", [] { return build(repeat("f(", kDeep), ")", kDeep); }},
        {"300k nested index", [] { return build(build("a", "[a", kDeep), "]", kDeep); }},
        {"300k nested if", [] { return repeat("if x {", kDeep); }},
        {"300k nested while", [] { return build(repeat("while x {", kDeep), "}", kDeep); }},
        {"300k nested def", [] { return repeat("def f(a) {", kDeep); }},
        {"300k nested match arms", [] { return repeat("match x { 1 => {", kDeep); }},
        {"300k nested try", [] { return repeat("try {", kDeep); }},
        // Long flat chains build trees as deep as the chain is long (without
        // recursion in the parser); copying, printing and releasing them walk
        // that depth.
        {"300k left-deep +", [] { return build("1", " + 1", kDeep); }},
        {"300k left-deep **", [] { return build("2", "**2", kDeep); }},
        {"300k member chain", [] { return build("a", ".b", kDeep); }},
        {"300k index chain", [] { return build("a", "[0]", kDeep); }},
        {"300k call chain", [] { return build("f", "()", kDeep); }},
        // Long tokens.
        {"4 MiB identifier", [] { return std::string(kLong, 'a'); }},
        {"4 MiB non-ASCII identifier", [] { return build("x", "\xc3\xa9", kLong / 2); }},
        {"4 MiB string", [] { return build("\"", "s", kLong, "\""); }},
        {"4 MiB string of escapes", [] { return build("\"", "\\n\\q", kLong / 4, "\""); }},
        {"4 MiB integer", [] { return std::string(kLong, '9'); }},
        {"4 MiB float", [] { return build("1.", "7", kLong); }},
        {"4 MiB float of zeros", [] { return build("0.", "0", kLong, "1"); }},
        {"4 MiB line comment", [] { return build("#", "c", kLong); }},
        // Constructs left open at the end of the text.
        {"unterminated string", [] { return build("let s = \"abc", "d", kLong); }},
        {"string ending in a backslash", [] { return std::string("\"abc\\"); }},
        {"unterminated block comment", [] { return build("/*", "*", kLong); }},
        {"block comment /*/", [] { return std::string("/*/ x"); }},
        {"unterminated call", [] { return build("f(", "1, ", kMany); }},
        {"unterminated array", [] { return build("[", "1 ", kMany); }},
        {"unterminated dict", [] { return build("{", "k: 1 ", kMany); }},
        {"unterminated def", [] { return std::string("def f(a, b"); }},
        {"unterminated match", [] { return build("match x {", "1 => ", kMany); }},
        // Tokens that begin no form, repeated: each loop must still move on.
        {"100k stray )", [] { return repeat(")", kMany); }},
        {"100k stray }", [] { return repeat("}", kMany); }},
        {"100k stray =", [] { return repeat("= ", kMany); }},
        {"100k stray =>", [] { return repeat("=>", kMany); }},
        {"100k commas in a call", [] { return build("f(", ",", kMany, ")"); }},
        {"100k dict keys without colon", [] { return build("{", "k ", kMany, "}"); }},
        {"100k dict non-keys", [] { return build("{", "1 = ", kMany, "}"); }},
        {"100k match non-arms", [] { return build("match x {", ", ", kMany, "}"); }},
        {"100k lone dots", [] { return build("a", ". ", kMany); }},
        // Bytes that are not UTF-8 text.
        {"invalid UTF-8", [] { return repeat("a\x80\xff\xc3(\xe2\x82", kDeep / 8); }},
        {"truncated UTF-8 at the end", [] { return std::string("x\xe2\x82"); }},
        {"NUL bytes", [] { return repeat(std::string_view("let\0x = 1\0", 10), kDeep / 10); }},
    };
}
#else
// Deep trees and values, far deeper than real programs nest, yet quick to
// parse and run under the sanitizers (the parser replay goes to its
// nesting limit).
constexpr std::size_t kTall = 20'000;
// Many names, keys, arguments or arms.
constexpr std::size_t kWide = 20'000;

std::vector<Hostile> hostile_inputs() {
    return {
        // Runs that never end on their own: the time limit must stop each.
        {"empty endless while", [] { return std::string("while true {}"); }},
        {"endless while in main", [] { return std::string("def main() { while 1 { } }"); }},
        {"endless while, continue", [] { return std::string("while true { continue }"); }},
        {"endless recursion", [] { return std::string("def f(n) { return f(n + 1) } f(0)"); }},
        {"endless recursion in arguments",
         [] { return std::string("def f(n) { return f(f(n)) } print(f(0))"); }},
        {"endless mutual recursion",
         [] { return std::string("def a() { b() } def b() { a() } a()"); }},
        {"endless loop of calls",
         [] { return std::string("def g() { return 1 } let n = 0 while true { n += g() }"); }},
        {"endless loop printing", [] { return std::string("while true { print(\"abc\") }"); }},
        {"endless loop dividing by zero", [] { return std::string("while true { 1 / 0 }"); }},
        {"endless loop over a range",
         [] { return std::string("while true { for i in 0..1000 { let x = [i, {k: i}] } }"); }},
        {"endless loop growing an array",
         [] { return std::string("let a = [] while true { a = [a, a] }"); }},
        {"endless loop nesting an array",
         [] { return std::string("let a = [] while true { a = [a] } print(a)"); }},
        {"endless loop nesting a dict",
         [] { return std::string("let d = {} while true { d = {k: d} } print(d)"); }},
        {"text doubled without end",
         [] { return std::string("let s = \"ab\" while true { s = s + s }"); }},
        {"text doubled with +=",
         [] { return std::string("let s = \"ab\" while true { s += s }"); }},
        {"recursion doubling text",
         [] { return std::string("def g(s) { return g(s + s) } g(\"ab\")"); }},
        // Ranges beyond the memory ceiling are refused, in a loop header
        // and as values.
        {"range of every integer",
         [] { return std::string("print(-9223372036854775808..9223372036854775807)"); }},
        {"for over every integer",
         [] { return std::string("for i in -9223372036854775808..9223372036854775807 { }"); }},
        {"range of huge floats", [] { return std::string("print(typeof(-1e300..1e300))"); }},
        {"ranges kept in an array",
         [] { return std::string("let a = [] while true { a = [a, 0..1000000] }"); }},
        // Trees as deep as the parser builds, evaluated and printed.
        {"20k-term sum", [] { return build("print(1", " + 1", kTall, ")"); }},
        {"20k-term text sum", [] { return build("print(\"a\"", " + \"b\"", kTall, ")"); }},
        {"20k nested negations", [] { return build("print(", "-", kTall, "1)"); }},
        {"20k nested not", [] { return build("print(", "not ", kTall, "true)"); }},
        {"20k nested parentheses", [] { return build(repeat("(", kTall) + "1", ")", kTall); }},
        {"20k nested arrays printed",
         [] { return build("print(" + repeat("[", kTall) + "1", "]", kTall, ")"); }},
        {"20k nested dicts printed",
         [] { return build("print(" + repeat("{a: ", kTall) + "1", "}", kTall, ")"); }},
        {"20k index chain", [] { return build("let a = [1] print(a", "[0]", kTall, ")"); }},
        {"20k member chain", [] { return build("let a = {b: 1} print(a", ".b", kTall, ")"); }},
        {"20k nested calls",
         [] {
             return build("def f(x) { return x } print(" + repeat("f(", kTall) + "1", ")", kTall,
                          ")");
         }},
        {"20k nested typeof",
         [] { return build("print(" + repeat("typeof(", kTall) + "1", ")", kTall, ")"); }},
        {"20k nested ranges", [] { return build("print(" + repeat("0..", kTall), "1", 1, ")"); }},
        {"20k nested ifs",
         [] { return build(repeat("if true { ", kTall) + "print(1)", " }", kTall); }},
        {"20k nested whiles",
         [] { return build(repeat("while true { ", kTall) + "break", " }", kTall); }},
        {"20k nested for loops",
         [] { return build(repeat("for i in 0..2 { ", kTall) + "print(i)", " }", kTall); }},
        {"20k nested matches",
         [] { return build(repeat("match 1 { 1 => { ", kTall) + "print(1)", " } }", kTall); }},
        {"20k nested defs",
         [] { return build(repeat("def f() { ", kTall) + "print(1)", " } f()", kTall); }},
        // Many names, many statements, many keys.
        {"20k globals",
         [] {
             std::string s;
             for (std::size_t i = 0; i < kWide; ++i)
                 s.append("let v")
                     .append(std::to_string(i))
                     .append(" = ")
                     .append(std::to_string(i))
                     .append("\n");
             return s;
         }},
        {"20k dict keys",
         [] {
             std::string s = "let d = {";
             for (std::size_t i = 0; i < kWide; ++i)
                 s.append("k")
                     .append(std::to_string(i))
                     .append(": ")
                     .append(std::to_string(i))
                     .append(", ");
             return s + "} print(d.k19999)";
         }},
        {"20k parameters",
         [] {
             std::string s = "def f(";
             for (std::size_t i = 0; i < kWide; ++i)
                 s.append("p").append(std::to_string(i)).append(", ");
             s += ") { return p0 } print(f(";
             for (std::size_t i = 0; i < kWide; ++i)
                 s.append(std::to_string(i)).append(", ");
             return s + "))";
         }},
        {"20k print arguments", [] { return build("print(", "[1], ", kWide, ")"); }},
        {"20k match arms", [] { return build("match 7 { ", "1 => { } ", kWide, "_ => { } }"); }},
        {"4 MiB text printed", [] { return build("print(\"", "s", kLong, "\")"); }},
    };
}
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay_corpus PATH...\n");
        return 2;
    }
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
#ifdef QUILLO_REPLAY_RUN
    // What the scripts print is of no interest; the progress report keeps
    // the original standard output.
    std::fflush(stdout);
    const int original = dup(STDOUT_FILENO);
    const int null_fd = open("/dev/null", O_WRONLY);
    if (original < 0 || null_fd < 0 || dup2(null_fd, STDOUT_FILENO) < 0) {
        std::perror("replay: discarding standard output");
        return 2;
    }
    close(null_fd);
    report = fdopen(original, "w");
    if (report == nullptr) return 2;
#endif
    return quillo::run_on_large_stack([&] {
        int count = 0;
        int failed = 0;
        // Named before it runs, so that a crash or a hang points at its input.
        auto replay = [&](const std::string& name, const std::string& data) {
            std::fprintf(report, "%s", name.c_str());
            std::fflush(report);
            const double ms = run_one(data);
            std::fprintf(report, " (%.0f ms)\n", ms);
#ifdef QUILLO_REPLAY_RUN
            if (ms > kSlowSeconds * 1000) {
                std::fprintf(report, "FAILED: %s ran for %.1f s: the run was not stopped\n",
                             name.c_str(), ms / 1000);
                ++failed;
            }
#endif
            std::fflush(report);
            ++count;
        };
        auto replay_file = [&](const std::filesystem::path& path) {
            std::ifstream in(path, std::ios::binary);
            std::string data((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
            replay("file: " + path.filename().string(), data);
        };
        for (int i = 1; i < argc; ++i) {
            const std::filesystem::path path = argv[i];
            if (std::filesystem::is_directory(path)) {
                for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
                    if (entry.is_regular_file()) replay_file(entry.path());
                }
            } else {
                replay_file(path);
            }
        }
        for (const Hostile& h : hostile_inputs())
            replay(std::string("hostile: ") + h.name, h.make());
        std::fprintf(report, "%d passed, %d failed\n", count - failed, failed);
        std::fflush(report);
        return failed == 0 ? 0 : 1;
    });
}
