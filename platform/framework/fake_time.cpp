#include "platform/framework/fake_time.h"

#include "platform/framework/application.h"

namespace dsp {

void AdvanceTime(TApplication& app, FakeClock& clock, TimeMs ms) {
    TimeMs target = clock.Now() + ms;
    app.ProcessMessages();
    for (;;) {
        auto next = app.Timers().NextDue();
        if (!next) break;
        // A timer due at a moment already processed (interval 0) waits for
        // the next millisecond, as it would in real time.
        TimeMs at = *next > clock.Now() ? *next : clock.Now() + 1;
        if (at > target) break;
        clock.Set(at);
        app.ProcessMessages();
    }
    clock.Set(target);
    app.ProcessMessages();
}

}  // namespace dsp
