#include "skin/form/form_animator.h"

#include <algorithm>
#include <optional>

#include "platform/framework/application.h"
#include "platform/framework/control.h"

namespace dsp {

void FormAnimator::Start(FrameTrack track, uint32_t intervalMs, Step step) {
    Track& t = Slot(track);
    if (t.step) return;
    t = {std::move(step), intervalMs, AppNow() + intervalMs};
    Reschedule();
}

void FormAnimator::Stop(FrameTrack track) {
    if (!Slot(track).step) return;
    Slot(track) = {};
    Reschedule();
}

void FormAnimator::StopAll() {
    for (Track& t : tracks_) t = {};
    owner_.KillTimer(timerId_);
}

void FormAnimator::Tick() {
    const TimeMs now = AppNow();
    for (Track& t : tracks_) {
        if (!t.step || t.due > now) continue;
        t.due = now + t.interval;
        // The step may stop or start tracks, this one included; a copy
        // keeps it alive meanwhile.
        const Step step = t.step;
        if (!step()) t = {};
    }
    Reschedule();
}

void FormAnimator::Reschedule() {
    std::optional<TimeMs> next;
    for (const Track& t : tracks_)
        if (t.step && (!next || t.due < *next)) next = t.due;
    if (!next) {
        owner_.KillTimer(timerId_);
        return;
    }
    owner_.SetTimer(timerId_, static_cast<uint32_t>(std::max<TimeMs>(0, *next - AppNow())));
}

}  // namespace dsp
