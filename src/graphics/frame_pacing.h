// Frame pacing: present() shows at most so many frames a second, so that an
// animation that moves its shapes a fixed step per frame runs at the same
// speed on every machine.
#pragma once

#include <chrono>
#include <cstdint>

namespace quillo {

// Sixty frames a second: the refresh rate of most displays. The renderer
// the window uses (SDL's software renderer) offers no wait for the
// display's refresh, so the pacer sleeps out the rest of each frame.
inline constexpr std::uint32_t kDefaultFrameRate = 60;
// Faster pacing than this is no pacing a person could see.
inline constexpr std::uint32_t kMaxFrameRate = 1000;

// The frames a second every window keeps to from now on; 0 turns pacing
// off. Set once by the driver, before anything runs.
void set_frame_rate(std::uint32_t fps);

// Keeps the frames of one window apart by 1/rate seconds. A frame that
// comes late is shown at once, and the next is timed from it: a slow frame
// is not made up for with a burst of fast ones.
class FramePacer {
  public:
    // Sleeps until the next frame is due.
    void wait_for_frame();

  private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point due_{};
    bool started_ = false;
};

} // namespace quillo
