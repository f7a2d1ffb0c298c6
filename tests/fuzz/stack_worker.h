// One thread with the interpreter's large stack that runs every fuzz input.
//
// The driver runs a script on a large stack, and the parser's nesting limit
// and the interpreter's recursion are sized for it. Making that stack anew
// for each input costs far more than most inputs take: under the address
// sanitizer a thread's whole stack has shadow memory that is cleared when
// the thread ends (half a gigabyte for the 4 GiB stack). So the fuzz
// targets make the thread once and hand it each input in turn.
#pragma once

#include <pthread.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>

#include "driver/large_stack.h"

namespace quillo::fuzzing {

class StackWorker {
  public:
    // Runs body on the worker thread and returns its result.
    int run(const std::function<int()>& body) {
        std::unique_lock lock(mutex_);
        body_ = &body;
        changed_.notify_all();
        changed_.wait(lock, [&] { return body_ == nullptr; });
        return result_;
    }

    static StackWorker& instance() {
        static StackWorker* worker = new StackWorker; // lives as long as the process
        return *worker;
    }

  private:
    StackWorker() {
        pthread_attr_t attr;
        pthread_attr_init(&attr);
        pthread_attr_setstacksize(&attr, kLargeStackBytes);
        pthread_t thread;
        if (pthread_create(&thread, &attr, &StackWorker::loop, this) != 0) {
            std::fputs("fuzz: cannot start the large-stack thread\n", stderr);
            std::abort();
        }
        pthread_attr_destroy(&attr);
        pthread_detach(thread);
    }

    static void* loop(void* self) {
        auto& worker = *static_cast<StackWorker*>(self);
        std::unique_lock lock(worker.mutex_);
        for (;;) {
            worker.changed_.wait(lock, [&] { return worker.body_ != nullptr; });
            worker.result_ = (*worker.body_)();
            worker.body_ = nullptr;
            worker.changed_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<int()>* body_ = nullptr;
    int result_ = 0;
};

} // namespace quillo::fuzzing
