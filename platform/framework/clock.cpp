#include "platform/framework/clock.h"

#include <time.h>

namespace dsp {

TimeMs MonotonicClock::Now() const {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<TimeMs>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace dsp
