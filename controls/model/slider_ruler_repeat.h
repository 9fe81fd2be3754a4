#pragma once
// A press on the slider's ruler beside the thumb: one step at once, then one
// step on every 400 ms tick while the pointer stays on the side of the thumb
// chosen at the press. The timer keeps running when the thumb has passed the
// pointer; the steps simply stop until the pointer is beyond it again.

#include <functional>

#include "controls/model/control_timers.h"
#include "platform/graphics/geometry.h"

namespace dsp {

class SliderRulerRepeat {
  public:
    static constexpr int kTimerId = 1;
    static constexpr int kIntervalMs = 400;

    explicit SliderRulerRepeat(ControlTimers& timers) : timers_(timers) {}

    // -1 down, +1 up, 0 on the thumb (SliderPressDirection for the current thumb).
    std::function<int(Point)> DirectionAt;
    // Applies one step in a direction (-1 down, +1 up).
    std::function<void(int direction)> Step;

    bool Active() const { return active_; }
    void Press(Point p);
    void Move(Point p);
    // Ends the repeat; true when one was active (the slider then fires OnChanged).
    bool Release();
    void OnTimer(int id);

  private:
    void RepeatStep();

    ControlTimers& timers_;
    bool active_ = false;
    bool timerRunning_ = false;
    Point last_;
    int direction_ = 0;
};

}  // namespace dsp
