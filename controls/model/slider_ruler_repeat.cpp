#include "controls/model/slider_ruler_repeat.h"

namespace dsp {

void SliderRulerRepeat::Press(Point p) {
    active_ = true;
    last_ = p;
    direction_ = DirectionAt ? DirectionAt(p) : 0;
    RepeatStep();
}

void SliderRulerRepeat::Move(Point p) {
    if (active_) last_ = p;
}

bool SliderRulerRepeat::Release() {
    if (!active_) return false;
    if (timerRunning_) timers_.StopTimer(kTimerId);
    timerRunning_ = false;
    active_ = false;
    return true;
}

void SliderRulerRepeat::OnTimer(int id) {
    if (id == kTimerId && active_) RepeatStep();
}

void SliderRulerRepeat::RepeatStep() {
    if (!timerRunning_) {
        timers_.StartTimer(kTimerId, kIntervalMs);
        timerRunning_ = true;
    }
    if (direction_ != 0 && DirectionAt && DirectionAt(last_) == direction_ && Step) Step(direction_);
}

}  // namespace dsp
