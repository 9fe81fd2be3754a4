#include <gtest/gtest.h>

#include <vector>

#include "controls/model/button_look.h"
#include "controls/model/frame_animator.h"
#include "controls/model/morph_animator.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

TEST(ButtonLook, RulesApplyInOrder) {
    const ButtonPictureSet all{true, true};
    ButtonLookState s;
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Normal);
    s.hover = true;
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Active);
    s.focused = true;  // focused beats hovered when the skin has a focused picture
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Focused);
    EXPECT_EQ(ChooseButtonPicture(s, {true, false}), ButtonPicture::Active);
    s.frameShowing = true;  // ...but not while a frame animation shows
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Active);
    s.down = true;
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Down);
    s.enabled = false;
    EXPECT_EQ(ChooseButtonPicture(s, all), ButtonPicture::Disabled);
    // Without a disabled picture the remaining rules decide.
    EXPECT_EQ(ChooseButtonPicture(s, {false, true}), ButtonPicture::Down);
}

TEST(ButtonLook, DownPictureOnlyWhileThePressBelongsToTheButton) {
    ButtonLookState s;
    s.down = true;
    s.mouseHeld = true;
    EXPECT_FALSE(ButtonDrawnDown(s));  // pressed, then dragged off
    s.focused = true;
    EXPECT_FALSE(ButtonDrawnDown(s));  // the focus counts only without the mouse
    s.mouseHeld = false;
    EXPECT_TRUE(ButtonDrawnDown(s));  // Space held on a focused button
    EXPECT_TRUE(ButtonDrawnDown({.down = true, .grouped = true}));
    EXPECT_TRUE(ButtonDrawnDown({.down = true, .hover = true, .mouseHeld = true}));
    EXPECT_FALSE(ButtonDrawnDown({.hover = true, .focused = true}));
}

struct MorphFixture : ::testing::Test {
    test::FakeTimers timers;
    MorphAnimator morph{timers, 2};
    int changes = 0;
    void SetUp() override {
        timers.Deliver = [this](int id) { morph.OnTimer(id); };
        morph.OnChange = [this] { ++changes; };
    }
};

TEST_F(MorphFixture, HoverMovesKByAFifthEvery20Ms) {
    morph.MoveTo(true, true);
    std::vector<double> seen;
    for (int i = 0; i < 6; ++i) {
        timers.Advance(20);
        seen.push_back(morph.K());
    }
    EXPECT_EQ(seen, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0, 1.0}));
    EXPECT_FALSE(morph.Running());
    EXPECT_FALSE(timers.Running(2));
    EXPECT_EQ(changes, 5);

    morph.MoveTo(false, true);
    timers.Advance(40);
    EXPECT_DOUBLE_EQ(morph.K(), 0.6);
    EXPECT_TRUE(morph.Blending());
    // Turning round midway goes back from where it is.
    morph.MoveTo(true, true);
    timers.Advance(19);
    EXPECT_DOUBLE_EQ(morph.K(), 0.6);
    timers.Advance(1);
    EXPECT_DOUBLE_EQ(morph.K(), 0.8);
}

TEST_F(MorphFixture, WithoutAnimationKJumpsToItsEnd) {
    morph.MoveTo(true, false);
    EXPECT_DOUBLE_EQ(morph.K(), 1.0);
    EXPECT_FALSE(timers.Running(2));
    morph.MoveTo(true, true);  // already there: nothing to run
    EXPECT_FALSE(timers.Running(2));
    morph.MoveTo(false, true);
    timers.Advance(20);
    morph.MoveTo(false, false);  // effects switched off midway
    EXPECT_DOUBLE_EQ(morph.K(), 0.0);
    EXPECT_FALSE(timers.Running(2));
}

TEST_F(MorphFixture, PressShowsTheFullPictureAndFallsBack) {
    morph.SnapActiveThenMoveTo(false, true);
    EXPECT_DOUBLE_EQ(morph.K(), 1.0);
    timers.Advance(100);
    EXPECT_DOUBLE_EQ(morph.K(), 0.0);
    morph.MoveTo(true, true);
    timers.Advance(20);
    morph.Stop();  // a stop lands on the end it was heading for
    EXPECT_DOUBLE_EQ(morph.K(), 1.0);
    EXPECT_FALSE(timers.Running(2));
}

struct FrameFixture : ::testing::Test {
    test::FakeTimers timers;
    FrameAnimator frames{timers, 3};
    void SetUp() override {
        timers.Deliver = [this](int id) { frames.OnTimer(id); };
        frames.Configure(4, 30);
    }
};

TEST_F(FrameFixture, ForwardOnEnteringBackwardOnLeaving) {
    frames.MoveTo(true);
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        timers.Advance(30);
        seen.push_back(frames.Frame());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 4}));
    EXPECT_FALSE(timers.Running(3));

    frames.MoveTo(false);
    timers.Advance(60);
    EXPECT_EQ(frames.Frame(), 2);
    timers.Advance(60);
    EXPECT_EQ(frames.Frame(), 0);
    EXPECT_FALSE(frames.Showing());
    EXPECT_FALSE(timers.Running(3));
}

TEST_F(FrameFixture, StopDropsToNoFrame) {
    frames.MoveTo(true);
    timers.Advance(60);
    frames.Stop();
    EXPECT_EQ(frames.Frame(), 0);
    EXPECT_FALSE(timers.Running(3));
    timers.Advance(300);
    EXPECT_EQ(frames.Frame(), 0);
}

TEST(FrameAnimator, NoFramesNoAnimationAndADefaultInterval) {
    test::FakeTimers timers;
    FrameAnimator frames{timers, 3};
    frames.MoveTo(true);
    EXPECT_FALSE(timers.Running(3));
    frames.Configure(2, 0);
    EXPECT_EQ(frames.IntervalMs(), FrameAnimator::kDefaultIntervalMs);
}

}  // namespace
}  // namespace dsp
