#pragma once
// Moves a fake clock forward through every timer deadline on the way, running
// the application's ready work at each, so timer-driven behaviour unfolds
// exactly as it would in real time, without waiting.

#include "platform/framework/clock.h"

namespace dsp {

class TApplication;

void AdvanceTime(TApplication& app, FakeClock& clock, TimeMs ms);

}  // namespace dsp
