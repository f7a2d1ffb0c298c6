#include "driver/large_stack.h"

#include <sys/mman.h>
#include <ucontext.h>

#include <pthread.h>

#include "interpreter/stack_guard.h"

namespace quillo {

namespace {

constexpr std::size_t kSmallestStackBytes = std::size_t{64} << 20; // 64 MiB

#if defined(__SANITIZE_ADDRESS__)
#define QUILLO_STACK_VIA_THREAD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLO_STACK_VIA_THREAD 1
#endif
#endif

struct Call {
    const std::function<int()>* body;
    int result = 0;
};

#ifdef QUILLO_STACK_VIA_THREAD
// The address sanitizer does not follow hand-made context switches, so
// sanitized builds run the body on a thread with the large stack instead.
void* thread_entry(void* arg) {
    auto* call = static_cast<Call*>(arg);
    call->result = (*call->body)();
    return nullptr;
}
#else
ucontext_t g_caller;
ucontext_t g_callee;
Call* g_call = nullptr;
const char* g_stack_low = nullptr;
std::size_t g_stack_size = 0;

void context_entry() {
    // The thread library still reports the original stack; tell the
    // interpreter's stack guard which one it really runs on.
    register_stack(g_stack_low, g_stack_size);
    g_call->result = (*g_call->body)();
    register_stack(nullptr, 0);
    // Returning resumes g_caller through uc_link.
}
#endif

} // namespace

int run_on_large_stack(const std::function<int()>& body) {
    Call call{&body};
#ifdef QUILLO_STACK_VIA_THREAD
    for (std::size_t size = kLargeStackBytes; size >= kSmallestStackBytes; size /= 4) {
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, size);
        pthread_t thread;
        const int rc = pthread_create(&thread, &attr, thread_entry, &call);
        pthread_attr_destroy(&attr);
        if (rc == 0) {
            pthread_join(thread, nullptr);
            return call.result;
        }
    }
    return body();
#else
    // Where the system refuses so much address space (a strict overcommit
    // policy or an address-space limit), smaller stacks are tried in turn.
    std::size_t size = kLargeStackBytes;
    void* stack = MAP_FAILED;
    for (; size >= kSmallestStackBytes; size /= 4) {
        stack = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
        if (stack != MAP_FAILED) break;
    }
    if (stack == MAP_FAILED) return body();
    // The lowest page stays inaccessible, so an overflow faults instead of
    // writing into whatever lies below the mapping.
    mprotect(stack, 4096, PROT_NONE);
    // Deep recursion touches the stack page by page; in large pages that is
    // a few hundred page faults per gigabyte instead of a quarter million,
    // which makes deep recursion several times faster. Advice only: where
    // large pages are unavailable nothing changes.
    madvise(stack, size, MADV_HUGEPAGE);
    getcontext(&g_callee);
    g_callee.uc_stack.ss_sp = stack;
    g_callee.uc_stack.ss_size = size;
    g_callee.uc_link = &g_caller;
    g_call = &call;
    g_stack_low = static_cast<const char*>(stack) + 4096;
    g_stack_size = size - 4096;
    makecontext(&g_callee, context_entry, 0);
    swapcontext(&g_caller, &g_callee);
    g_call = nullptr;
    munmap(stack, size);
    return call.result;
#endif
}

} // namespace quillo
