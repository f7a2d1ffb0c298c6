// The program's entry point.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/large_stack.h"
#include "driver/options.h"
#include "driver/pipeline.h"

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    const quillo::Options options = quillo::parse_options(args);
    const int status = quillo::run_on_large_stack([&] { return quillo::driver_main(options); });
    std::fflush(stdout);
    return status;
}
