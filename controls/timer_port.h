#pragma once
// The behaviour classes' timers on a control's window timers: ticks come back
// through the control's TimerFired, which hands them to the behaviour.

#include "controls/model/control_timers.h"
#include "platform/framework/control.h"

namespace dsp {

class ControlTimerPort final : public ControlTimers {
public:
    explicit ControlTimerPort(TControl& control) : control_(control) {}
    void StartTimer(int id, int intervalMs) override {
        control_.SetTimer(static_cast<uint32_t>(id), static_cast<uint32_t>(intervalMs));
    }
    void StopTimer(int id) override { control_.KillTimer(static_cast<uint32_t>(id)); }

private:
    TControl& control_;
};

} // namespace dsp
