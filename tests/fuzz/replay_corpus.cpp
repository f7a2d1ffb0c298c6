// Replays every file of the fuzzing corpus (inputs found by fuzzing, and the
// hostile inputs kept as regressions) through the fuzz target. Runs on the
// interpreter's large stack, as the real program does.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "driver/large_stack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: replay_corpus DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    return quillo::run_on_large_stack([&] {
        int count = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
            ++count;
        }
        std::printf("%d passed, 0 failed\n", count);
        return 0;
    });
}
