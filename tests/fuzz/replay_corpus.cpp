// Replays every file of the fuzzing corpus (inputs found by fuzzing, and the
// hostile inputs kept as regressions) through the fuzz target, then a set of
// hostile inputs generated here because they are too large to keep as files:
// very deep nesting, very long tokens and constructs left open. Runs on the
// interpreter's large stack, as the real program does.
//
// Usage: replay_corpus PATH...   (each PATH a corpus directory or one input)
// A crash, a sanitizer report or a hang is the failure; there is no output
// to compare.
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

namespace {

void run_one(const std::string& data) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
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

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay_corpus PATH...\n");
        return 2;
    }
    return quillo::run_on_large_stack([&] {
        int count = 0;
        auto replay_file = [&](const std::filesystem::path& path) {
            std::ifstream in(path, std::ios::binary);
            std::string data((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
            run_one(data);
            ++count;
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
        for (const Hostile& h : hostile_inputs()) {
            // Named before it runs, so that a crash points at its input.
            std::printf("hostile: %s", h.name);
            std::fflush(stdout);
            const auto start = std::chrono::steady_clock::now();
            run_one(h.make());
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            std::printf(" (%.0f ms)\n", took.count());
            ++count;
        }
        std::printf("%d passed, 0 failed\n", count);
        return 0;
    });
}
