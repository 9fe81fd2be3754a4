#pragma once
// A control's hover animation from a strip of frames: on entering it steps
// forward through the frames, one every interval, and rests on the last; on
// leaving it steps back to none. Frame 0 is no frame (the control's own
// pictures show); frames 1 to FrameCount are the strip's cells 0 to
// FrameCount - 1. Stopping (a press, a skin change, disabling) drops back to
// frame 0 at once.

#include <functional>

#include "controls/model/control_timers.h"

namespace dsp {

class FrameAnimator {
  public:
    static constexpr int kDefaultIntervalMs = 25;

    FrameAnimator(ControlTimers& timers, int timerId) : timers_(timers), timerId_(timerId) {}

    // The strip's frame count (0: no animation) and the time per frame (a
    // value below 1 takes the default). Stops a running animation.
    void Configure(int frameCount, int intervalMs);
    bool HasFrames() const { return frameCount_ > 0; }
    int FrameCount() const { return frameCount_; }
    int IntervalMs() const { return intervalMs_; }

    int Frame() const { return frame_; }
    bool Showing() const { return frame_ > 0; }
    bool Running() const { return running_; }

    // Forward toward the last frame, or backward toward none.
    void MoveTo(bool forward);
    void Stop();
    void OnTimer(int id);

    // The frame changed: the control repaints.
    std::function<void()> OnChange;

  private:
    void Halt();
    void Changed();

    ControlTimers& timers_;
    int timerId_;
    int frameCount_ = 0;
    int intervalMs_ = kDefaultIntervalMs;
    int frame_ = 0;
    bool forward_ = false;
    bool running_ = false;
};

}  // namespace dsp
