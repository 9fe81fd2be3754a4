#pragma once
// What the behaviour classes need of the window timers: a repeating timer per
// id, restarted by starting it again. The control hands the ticks back through
// its own OnTimer(id). The real controls answer this from the framework's one
// scheduler; tests answer it from a fake clock, so no test waits for a timer.

namespace dsp {

class ControlTimers {
public:
    virtual ~ControlTimers() = default;
    // Starts (or restarts) timer `id`, firing every `intervalMs` from now.
    virtual void StartTimer(int id, int intervalMs) = 0;
    virtual void StopTimer(int id) = 0;
};

} // namespace dsp
