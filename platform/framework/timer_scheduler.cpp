#include "platform/framework/timer_scheduler.h"

#include <algorithm>

namespace dsp {

TimerScheduler::TimerScheduler(const Clock& clock, FireFn fire) : clock_(clock), fire_(std::move(fire)) {}

TimerScheduler::Entry* TimerScheduler::Find(TControl* owner, uint32_t id) {
    for (Entry& e : entries_)
        if (e.owner == owner && e.id == id) return &e;
    return nullptr;
}

void TimerScheduler::Set(TControl* owner, uint32_t id, uint32_t intervalMs) {
    // An interval of 0 still waits for the next pass of the loop.
    TimeMs due = clock_.Now() + intervalMs;
    if (Entry* e = Find(owner, id)) {
        e->interval = intervalMs;
        e->due = due;
        e->order = nextOrder_++;
        return;
    }
    entries_.push_back({owner, id, intervalMs, due, nextOrder_++});
}

bool TimerScheduler::Kill(TControl* owner, uint32_t id) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.owner == owner && e.id == id; });
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

void TimerScheduler::KillAll(TControl* owner) {
    std::erase_if(entries_, [&](const Entry& e) { return e.owner == owner; });
}

bool TimerScheduler::IsSet(TControl* owner, uint32_t id) const {
    return const_cast<TimerScheduler*>(this)->Find(owner, id) != nullptr;
}

std::optional<TimeMs> TimerScheduler::NextDue() const {
    std::optional<TimeMs> next;
    for (const Entry& e : entries_)
        if (!next || e.due < *next) next = e.due;
    return next;
}

int TimerScheduler::FireDue() {
    TimeMs now = clock_.Now();
    int fired = 0;
    // Each timer fires at most once per pass, even with an interval of 0.
    uint64_t passStart = nextOrder_;
    for (;;) {
        Entry* best = nullptr;
        for (Entry& e : entries_) {
            if (e.due > now || e.order >= passStart) continue;
            if (!best || e.due < best->due || (e.due == best->due && e.order < best->order)) best = &e;
        }
        if (!best) return fired;
        best->due = now + best->interval;
        best->order = nextOrder_++;
        TControl* owner = best->owner;
        uint32_t id = best->id;
        ++fired;
        fire_(owner, id);  // may set, kill or free anything
    }
}

}  // namespace dsp
