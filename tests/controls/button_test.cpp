#include <gtest/gtest.h>

#include <vector>

#include "controls/model/button_model.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

struct ButtonFixture : ::testing::Test {
    test::FakeTimers timers;
    ButtonModel button{timers};
    std::vector<long long> clicks;

    void SetUp() override {
        button.OnClick = [this](ButtonModel&) { clicks.push_back(timers.Now()); };
        timers.Deliver = [this](int id) { button.OnTimer(id); };
    }
};

TEST_F(ButtonFixture, ClickNeedsReleaseOverTheButton) {
    button.MousePress();
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(clicks.empty());
    button.MouseLeave();
    button.MouseRelease(false);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(button.Down());

    button.MousePress();
    button.MouseLeave();
    button.MouseEnter();
    button.MouseRelease(true);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonFixture, KeysClickOnlyWhenTheButtonCanTakeFocus) {
    button.KeyDown(NavKey::Space);
    EXPECT_TRUE(button.Down());
    EXPECT_TRUE(clicks.empty());
    button.KeyUp(NavKey::Space);
    button.KeyDown(NavKey::Enter);
    EXPECT_EQ(clicks.size(), 2u);
    button.SetCanFocused(false);
    button.KeyDown(NavKey::Enter);
    button.KeyDown(NavKey::Space);
    button.KeyUp(NavKey::Space);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ButtonFixture, ClickSetsTheFormsModalResult) {
    int result = -1;
    button.SetFormModalResult = [&](int r) { result = r; };
    button.SetModalResult(2);
    button.Click();
    EXPECT_EQ(result, 2);
}

TEST_F(ButtonFixture, RepeatModeClicksAt600To1200AndOnRelease) {
    button.SetRepeatMode(true);
    button.MousePress();
    timers.Advance(1250);
    button.MouseRelease(true);
    EXPECT_EQ(clicks, (std::vector<long long>{600, 700, 800, 900, 1000, 1100, 1200, 1250}));
    EXPECT_FALSE(timers.Running(ButtonModel::kRepeatTimerId));
}

TEST_F(ButtonFixture, RepeatStopsOffTheButtonAndRestartsWithTheDelay) {
    button.SetRepeatMode(true);
    button.MousePress();
    timers.Advance(650); // one click at 600
    button.MouseLeave();
    timers.Advance(1000);
    EXPECT_EQ(clicks, (std::vector<long long>{600}));
    button.MouseEnter(); // t = 1650: 500 ms delay again
    timers.Advance(650);
    EXPECT_EQ(clicks, (std::vector<long long>{600, 2250}));
    button.FocusLost();
    EXPECT_FALSE(button.Down());
    EXPECT_FALSE(button.Repeating());
}

TEST(ButtonGroup, PressingOneSetsTheOtherUp) {
    test::FakeTimers timers;
    ButtonModel a(timers), b(timers);
    std::vector<ButtonModel*> all{&a, &b};
    int aClicks = 0;
    for (ButtonModel* m : all) {
        m->SetGroupIndex(1);
        m->Siblings = [&all] { return all; };
    }
    a.OnClick = [&](ButtonModel&) { ++aClicks; };
    a.MousePress(); // a grouped press clicks at once
    EXPECT_EQ(aClicks, 1);
    a.MouseRelease(true);
    EXPECT_TRUE(a.Down());
    b.MousePress();
    b.MouseRelease(true);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    // Clicking the down button again without AllowAllUp changes nothing.
    int bClicks = 0;
    b.OnClick = [&](ButtonModel&) { ++bClicks; };
    b.MousePress();
    b.MouseRelease(true);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(bClicks, 0);
    // With AllowAllUp it goes up and clicks; the group stays exclusive.
    b.SetAllowAllUp(true);
    a.SetAllowAllUp(true);
    a.SetDown(true);
    EXPECT_FALSE(b.Down());
    a.MousePress();
    a.MouseRelease(true);
    EXPECT_FALSE(a.Down());
    EXPECT_EQ(aClicks, 2);
}

} // namespace
} // namespace dsp
