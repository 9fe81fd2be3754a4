#include "main/scene/paced_send.h"

namespace dsp {

PaceResult SendPaced(std::span<const PlannedFrame> plan, TimeMs gap, const Clock& clock, PaceWait& wait,
                     const std::function<bool(const PlannedFrame&)>& send) {
    PaceResult result;
    TimeMs due = clock.Now();
    for (const PlannedFrame& frame : plan) {
        // Asked even with nothing to wait for: a stop between two frames is
        // honoured whatever the gap.
        if (!wait.Until(due)) {
            result.stopped = true;
            return result;
        }
        if (!send(frame)) {
            result.failed = true;
            return result;
        }
        ++result.sent;
        // The gap runs from the end of the write, which blocks until the line took it.
        due = clock.Now() + gap;
    }
    return result;
}

}  // namespace dsp
