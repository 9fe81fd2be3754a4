#pragma once
// Sends a planned scene frame by frame, waiting `gap` milliseconds after each
// frame before the next (some units need the pause to take a value in), and
// stopping between two frames when asked to. The waiting goes through a clock
// and a wait the caller provides: the command line waits on its signals,
// tests move a fake clock.

#include <cstddef>
#include <functional>
#include <span>

#include "main/scene/apply_plan.h"
#include "platform/framework/clock.h"

namespace dsp {

class PaceWait {
  public:
    virtual ~PaceWait() = default;
    // Returns at `due` (at once when it has passed) with true, or earlier with
    // false when a stop was asked for.
    virtual bool Until(TimeMs due) = 0;
};

struct PaceResult {
    std::size_t sent = 0;
    bool stopped = false;  // a stop request came between two frames
    bool failed = false;   // the send of frame `sent` failed
};

// `send` returns false when the frame could not be sent; the run ends there.
PaceResult SendPaced(std::span<const PlannedFrame> plan, TimeMs gap, const Clock& clock, PaceWait& wait,
                     const std::function<bool(const PlannedFrame&)>& send);

}  // namespace dsp
