#include "graphics/frame_pacing.h"

#include <thread>

namespace quillo {

namespace {
std::uint32_t frame_rate = kDefaultFrameRate;
} // namespace

void set_frame_rate(std::uint32_t fps) {
    frame_rate = fps < kMaxFrameRate ? fps : kMaxFrameRate;
}

void FramePacer::wait_for_frame() {
    if (frame_rate == 0) return;
    const auto period =
        std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / frame_rate;
    const Clock::time_point now = Clock::now();
    if (started_ && now < due_) {
        std::this_thread::sleep_until(due_);
        due_ += period;
    } else {
        due_ = now + period;
    }
    started_ = true;
}

} // namespace quillo
