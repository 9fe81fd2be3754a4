#pragma once
// The morph between a control's normal and active pictures: a factor k from
// 0 (normal) to 1 (active) that moves 0.2 toward its end every 20 ms on one of
// the control's timers. k is kept as a whole number of steps, so it lands on
// 0 and 1 exactly. Without animation (the skin's effects off, or no section)
// k jumps to its end at once.

#include <functional>

#include "controls/model/control_timers.h"

namespace dsp {

class MorphAnimator {
  public:
    static constexpr int kStepMs = 20;
    static constexpr int kSteps = 5;  // 0.2 a step

    MorphAnimator(ControlTimers& timers, int timerId) : timers_(timers), timerId_(timerId) {}

    double K() const { return static_cast<double>(step_) / kSteps; }
    // Between the ends: the picture is a blend.
    bool Blending() const { return step_ > 0 && step_ < kSteps; }
    bool Running() const { return running_; }
    bool TowardActive() const { return target_ == kSteps; }

    // Moves toward the active end (true) or the normal end (false); without
    // `animate` it jumps there.
    void MoveTo(bool active, bool animate);
    // Jumps to the active end, then moves toward `active` (a press or a set
    // of Down shows the full picture at once and lets it fall back).
    void SnapActiveThenMoveTo(bool active, bool animate);
    // Kills the timer and leaves k at the end it was moving to.
    void Stop();
    void OnTimer(int id);

    // k changed: the control repaints.
    std::function<void()> OnChange;

  private:
    void Changed();

    ControlTimers& timers_;
    int timerId_;
    int step_ = 0;
    int target_ = 0;
    bool running_ = false;
};

}  // namespace dsp
