#include "controls/model/frame_animator.h"

namespace dsp {

void FrameAnimator::Configure(int frameCount, int intervalMs) {
    Stop();
    frameCount_ = frameCount > 0 ? frameCount : 0;
    intervalMs_ = intervalMs > 0 ? intervalMs : kDefaultIntervalMs;
}

void FrameAnimator::MoveTo(bool forward) {
    if (frameCount_ == 0) return;
    forward_ = forward;
    const int end = forward ? frameCount_ : 0;
    if (frame_ == end) {
        Halt();
        return;
    }
    if (!running_) {
        running_ = true;
        timers_.StartTimer(timerId_, intervalMs_);
    }
}

void FrameAnimator::Stop() {
    Halt();
    if (frame_ != 0) {
        frame_ = 0;
        Changed();
    }
}

void FrameAnimator::OnTimer(int id) {
    if (id != timerId_ || !running_) return;
    frame_ += forward_ ? 1 : -1;
    if (frame_ == (forward_ ? frameCount_ : 0)) Halt();
    Changed();
}

void FrameAnimator::Halt() {
    if (running_) timers_.StopTimer(timerId_);
    running_ = false;
}

void FrameAnimator::Changed() {
    if (OnChange) OnChange();
}

}  // namespace dsp
