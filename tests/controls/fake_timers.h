#pragma once
// Window timers on a fake clock: Advance() moves time forward and delivers
// every tick that falls due, in time order, to the control's OnTimer.

#include <functional>
#include <map>

#include "controls/model/control_timers.h"

namespace dsp::test {

class FakeTimers : public ControlTimers {
public:
    std::function<void(int id)> Deliver;

    void StartTimer(int id, int intervalMs) override { timers_[id] = {intervalMs, now_ + intervalMs}; }
    void StopTimer(int id) override { timers_.erase(id); }
    bool Running(int id) const { return timers_.count(id) != 0; }
    long long Now() const { return now_; }

    void Advance(long long ms) {
        long long end = now_ + ms;
        for (;;) {
            auto next = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it) {
                if (next == timers_.end() || it->second.due < next->second.due) next = it;
            }
            if (next == timers_.end() || next->second.due > end) break;
            now_ = next->second.due;
            int id = next->first;
            next->second.due += next->second.interval;
            if (Deliver) Deliver(id);
        }
        now_ = end;
    }

private:
    struct Timer {
        int interval;
        long long due;
    };
    std::map<int, Timer> timers_;
    long long now_ = 0;
};

} // namespace dsp::test
