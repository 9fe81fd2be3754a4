#include "controls/model/morph_animator.h"

namespace dsp {

void MorphAnimator::MoveTo(bool active, bool animate) {
    target_ = active ? kSteps : 0;
    if (!animate || step_ == target_) {
        Stop();
        return;
    }
    if (!running_) {
        running_ = true;
        timers_.StartTimer(timerId_, kStepMs);
    }
}

void MorphAnimator::SnapActiveThenMoveTo(bool active, bool animate) {
    if (step_ != kSteps) {
        step_ = kSteps;
        Changed();
    }
    MoveTo(active, animate);
}

void MorphAnimator::Stop() {
    if (running_) timers_.StopTimer(timerId_);
    running_ = false;
    if (step_ != target_) {
        step_ = target_;
        Changed();
    }
}

void MorphAnimator::OnTimer(int id) {
    if (id != timerId_ || !running_) return;
    step_ += step_ < target_ ? 1 : -1;
    if (step_ == target_) {
        running_ = false;
        timers_.StopTimer(timerId_);
    }
    Changed();
}

void MorphAnimator::Changed() {
    if (OnChange) OnChange();
}

}  // namespace dsp
