#pragma once
// One scheduler for every window timer. A timer belongs to a control and has
// an id; setting it again with the same id restarts it with the new interval.
// A timer that comes due fires once, then waits a full interval from that
// moment (a late program does not get a burst of catch-up ticks).

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/framework/clock.h"

namespace dsp {

class TControl;

class TimerScheduler {
  public:
    using FireFn = std::function<void(TControl* owner, uint32_t id)>;

    TimerScheduler(const Clock& clock, FireFn fire);

    void Set(TControl* owner, uint32_t id, uint32_t intervalMs);
    // Returns whether such a timer was running.
    bool Kill(TControl* owner, uint32_t id);
    void KillAll(TControl* owner);
    bool IsSet(TControl* owner, uint32_t id) const;

    // The earliest due time, if any timer runs.
    std::optional<TimeMs> NextDue() const;
    // Fires every timer that is due now, earliest first (timers set to the
    // same moment fire in the order they were set). Returns how many fired.
    int FireDue();

  private:
    struct Entry {
        TControl* owner;
        uint32_t id;
        uint32_t interval;
        TimeMs due;
        uint64_t order;
    };
    Entry* Find(TControl* owner, uint32_t id);

    const Clock& clock_;
    FireFn fire_;
    std::vector<Entry> entries_;
    uint64_t nextOrder_ = 0;
};

}  // namespace dsp
