// The program's entry point.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/large_stack.h"
#include "driver/options.h"
#include "driver/pipeline.h"
#include "driver/standard_streams.h"
#include "interpreter/console.h"
#include "interpreter/memory.h"

int main(int argc, char** argv) {
    quillo::ensure_standard_streams();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const quillo::Options options = quillo::parse_options(args);
    quillo::configure_output();
#if !defined(__SANITIZE_ADDRESS__)
    // Allocations beyond the memory ceiling fail (and stop the run with a
    // message) instead of waking the system's out-of-memory killer. The
    // large stack's reserved address space counts against the data limit.
    // Sanitized builds reserve far more address space and keep no limit.
    quillo::limit_memory(quillo::kLargeStackBytes + (std::size_t{1} << 30));
#endif
    const int status = quillo::run_on_large_stack([&] { return quillo::driver_main(options); });
    std::fflush(stdout);
    return status;
}
