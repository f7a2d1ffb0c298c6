#include "interpreter/memory.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillo {

namespace {

// The memory limit of the process's control group (version 2), if any.
std::size_t cgroup_limit() {
    std::FILE* f = std::fopen("/sys/fs/cgroup/memory.max", "r");
    if (f == nullptr) return SIZE_MAX;
    char buf[64] = {};
    const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = '\0';
    char* end = nullptr;
    const unsigned long long v = std::strtoull(buf, &end, 10);
    if (end == buf) return SIZE_MAX; // "max": no limit
    return static_cast<std::size_t>(v);
}

std::size_t compute_ceiling() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGESIZE);
    std::size_t available = SIZE_MAX;
    if (pages > 0 && page_size > 0) {
        available = static_cast<std::size_t>(pages) * static_cast<std::size_t>(page_size);
    }
    available = std::min(available, cgroup_limit());
    rlimit lim{};
    if (getrlimit(RLIMIT_AS, &lim) == 0 && lim.rlim_cur != RLIM_INFINITY) {
        available = std::min<std::size_t>(available, lim.rlim_cur);
    }
    if (available == SIZE_MAX) return SIZE_MAX / 2;
    return available / 2;
}

std::size_t& ceiling_value() {
    static std::size_t ceiling = compute_ceiling();
    return ceiling;
}

} // namespace

std::size_t memory_ceiling() {
    return ceiling_value();
}

void set_memory_ceiling(std::size_t bytes) {
    ceiling_value() = bytes;
}

void limit_memory(std::size_t extra_bytes) {
    const std::size_t ceiling = memory_ceiling();
    if (ceiling > SIZE_MAX / 2) return;
    rlimit lim{};
    if (getrlimit(RLIMIT_DATA, &lim) != 0) return;
    const rlim_t wanted = static_cast<rlim_t>(ceiling + extra_bytes);
    if (lim.rlim_cur != RLIM_INFINITY && lim.rlim_cur <= wanted) return;
    lim.rlim_cur = wanted;
    setrlimit(RLIMIT_DATA, &lim);
}

} // namespace quillo
