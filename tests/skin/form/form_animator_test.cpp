// The frame's tracks share one window timer and still keep their own paces.

#include "skin/form/form_animator.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"

namespace dsp::test {
namespace {

constexpr uint32_t kTimer = 77;

TEST(FormAnimatorTest, TracksOnOneTimerStepAtTheirOwnPaceAndStopTheTimerWhenDone) {
    auto clock = std::make_unique<FakeClock>(1000);
    FakeClock& time = *clock;
    TApplication app(std::make_unique<HeadlessHost>(), std::move(clock));
    auto* form = new TForm(&app);
    FormAnimator animator(*form, kTimer);
    TWndMethod previous = form->WindowProc;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == kWmTimer && m.WParam == kTimer) return animator.Tick();
        previous(m);
    };
    std::vector<TimeMs> fast, slow;
    animator.Start(FrameTrack::Fade, 5, [&] {
        fast.push_back(time.Now() - 1000);
        return fast.size() < 6;
    });
    AdvanceTime(app, time, 3);
    animator.Start(FrameTrack::Morph, 25, [&] {
        slow.push_back(time.Now() - 1000);
        return slow.size() < 2;
    });
    // Started again while running: the pace does not change.
    AdvanceTime(app, time, 10);
    animator.Start(FrameTrack::Morph, 25, [] { return false; });
    AdvanceTime(app, time, 100);
    EXPECT_EQ(fast, (std::vector<TimeMs>{5, 10, 15, 20, 25, 30}));
    EXPECT_EQ(slow, (std::vector<TimeMs>{28, 53}));
    EXPECT_FALSE(animator.Running(FrameTrack::Fade));
    EXPECT_FALSE(app.Timers().IsSet(form, kTimer));
    // A stopped track never steps again.
    animator.Start(FrameTrack::Hover, 50, [&] {
        ADD_FAILURE() << "stopped";
        return true;
    });
    animator.Stop(FrameTrack::Hover);
    AdvanceTime(app, time, 100);
    EXPECT_FALSE(app.Timers().IsSet(form, kTimer));
    // The handler goes before the animator it calls does.
    form->WindowProc = previous;
}

}  // namespace
}  // namespace dsp::test
