#include <gtest/gtest.h>

#include <vector>

#include "controls/model/slider_geometry.h"
#include "controls/model/slider_ruler_repeat.h"
#include "controls/model/slider_value.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

TEST(SliderValue, SetFromCodeClampsWithoutSnapping) {
    SliderValue s;
    s.SetMaxValue(250);
    std::vector<int> changes;
    s.OnChange = [&](SliderValue& v) { changes.push_back(v.Value()); };
    s.SetValue(300);
    s.SetValue(250);
    s.SetValue(17);  // not a multiple of the step, kept as it is
    EXPECT_EQ(changes, (std::vector<int>{250, 17}));
}

TEST(SliderValue, BoundPairMustStayOrdered) {
    SliderValue s;  // 0..100, value 0, step 10
    s.SetValue(50);
    int changes = 0;
    s.OnChange = [&](SliderValue&) { ++changes; };
    s.SetMinValue(100);  // not below MaxValue: refused
    s.SetMinValue(150);
    EXPECT_EQ(s.MinValue(), 0);
    s.SetMaxValue(0);
    EXPECT_EQ(s.MaxValue(), 100);
    EXPECT_EQ(changes, 0);
    // A bound that pulls the value fires OnChange through the re-clamp.
    s.SetMaxValue(30);
    EXPECT_EQ(s.Value(), 30);
    EXPECT_EQ(changes, 1);
}

TEST(SliderValue, ReadingAcceptsAnyPairAndKeepsTheStep) {
    SliderValue s;
    s.SetReading(true);
    s.SetMinValue(200);  // 200..100 while the stored layout is read
    EXPECT_EQ(s.MinValue(), 200);
    s.SetMaxValue(205);
    EXPECT_EQ(s.Increment(), 10);
    s.SetReading(false);
}

TEST(SliderValue, NarrowRangeShrinksTheStep) {
    SliderValue s;
    s.SetMaxValue(5);
    EXPECT_EQ(s.Increment(), 5);
    s.SetIncrement(0);
    s.SetIncrement(-3);
    EXPECT_EQ(s.Increment(), 5);
}

TEST(SliderValue, KeyStepsGoToMultiplesOfTheStep) {
    SliderValue s;
    s.SetMaxValue(80);
    s.SetValue(15);
    s.Step(*SliderKeyStep(NavKey::Right, false, false));
    EXPECT_EQ(s.Value(), 30);
    s.SetValue(15);
    s.Step(*SliderKeyStep(NavKey::Left, false, false));
    EXPECT_EQ(s.Value(), 10);
    s.SetValue(25);  // 2.5 rounds to 2: down to 10, up to 30
    EXPECT_EQ(s.StepTarget(SliderStep::Down), 10);
    EXPECT_EQ(s.StepTarget(SliderStep::Up), 30);
    s.SetValue(75);
    EXPECT_EQ(s.StepTarget(SliderStep::Up), 80);
    s.SetValue(3);
    EXPECT_EQ(s.StepTarget(SliderStep::Down), 0);
    s.Step(*SliderKeyStep(NavKey::End, false, false));
    EXPECT_EQ(s.Value(), 80);
    s.Step(*SliderKeyStep(NavKey::Home, true, false));
    EXPECT_EQ(s.Value(), 0);
}

TEST(SliderValue, KeyTableFollowsOrientation) {
    EXPECT_FALSE(SliderKeyStep(NavKey::Up, false, false));
    EXPECT_FALSE(SliderKeyStep(NavKey::Left, true, false));
    EXPECT_EQ(SliderKeyStep(NavKey::Up, true, false), SliderStep::Up);
    EXPECT_EQ(SliderKeyStep(NavKey::Down, true, false), SliderStep::Down);
    EXPECT_FALSE(SliderKeyStep(NavKey::Right, false, true));  // a modifier disables them
}

SliderLayout WorkedLayout() {
    // 150 x 40 skinned horizontal slider, ruler strip 7 high, thumb 22 x 22
    // holding two 11-pixel states.
    SliderLayoutInput in;
    in.width = 150;
    in.height = 40;
    in.thumbWidth = 11;
    in.thumbHeight = 22;
    in.rulerBreadth = 7;
    return SliderGeometry::Layout(in);
}

TEST(SliderGeometry, WorkedHorizontalLayout) {
    SliderLayout l = WorkedLayout();
    EXPECT_EQ(l.ruler, Rect::FromOriginSize(6, 13, 138, 7));
    EXPECT_EQ(l.thumb.top, 6);
    EXPECT_EQ(l.thumb.Height(), 22);
    EXPECT_EQ(l.trackLength, 127);
    EXPECT_EQ(l.tickArea.top, 29);
    EXPECT_EQ(l.tickArea.bottom, 39);
    EXPECT_EQ(SliderGeometry::PositionOf(l, 40, 0, 80), 70);  // 6 + round(63.5)
}

TEST(SliderGeometry, VerticalLayoutAndInverseMapping) {
    SliderLayoutInput in;
    in.width = 40;
    in.height = 150;
    in.vertical = true;
    in.thumbWidth = 19;
    in.thumbHeight = 9;
    in.rulerBreadth = 8;
    SliderLayout l = SliderGeometry::Layout(in);
    EXPECT_EQ(l.ruler, Rect::FromOriginSize(6 + 5, 6, 8, 138));
    EXPECT_EQ(l.thumb.left, 6);
    EXPECT_EQ(l.tickArea.left, 6 + 19 + 1);
    EXPECT_EQ(l.trackLength, 129);
    // The value grows upward.
    EXPECT_EQ(SliderGeometry::PositionOf(l, 0, 0, 100), 150 - 6 - 9);
    EXPECT_EQ(SliderGeometry::PositionOf(l, 100, 0, 100), 6);
    for (int v : {0, 13, 50, 99, 100}) {
        int p = SliderGeometry::PositionOf(l, v, 0, 100);
        EXPECT_EQ(SliderGeometry::ValueAt(l, p, 0, 100, 10, true), v);
    }
}

TEST(SliderGeometry, DragSnapsOnlyWithoutSmooth) {
    SliderLayout l = WorkedLayout();
    int p = SliderGeometry::PositionOf(l, 37, 0, 80);
    EXPECT_EQ(SliderGeometry::ValueAt(l, p, 0, 80, 10, true), 37);
    EXPECT_EQ(SliderGeometry::ValueAt(l, p, 0, 80, 10, false), 40);
    // Beyond either end the thumb stops at the track's ends.
    EXPECT_EQ(SliderGeometry::SnapThumb(l, -50, 0, 80, 10, true), 6);
    EXPECT_EQ(SliderGeometry::SnapThumb(l, 500, 0, 80, 10, true), 6 + 127);
}

TEST(SliderGeometry, BuiltInRulerTiling) {
    // A 10-pixel picture with 2-pixel ends over a 29-pixel ruler: tile 6,
    // A = 25, n = 4, r = 1.
    auto plan = SliderGeometry::BuiltInRulerPlan(10, 2, 29);
    std::vector<PieceSpan> want{{0, 8, 0, 8}, {2, 6, 8, 6}, {2, 6, 14, 6}, {2, 6, 20, 6}, {7, 3, 26, 3}};
    EXPECT_EQ(plan, want);
    // Shorter than one tile: only the picture's start.
    EXPECT_EQ(SliderGeometry::BuiltInRulerPlan(10, 2, 8), (std::vector<PieceSpan>{{0, 8, 0, 8}}));
}

TEST(SliderGeometry, TickMarksThinOutAndEndAtMaximum) {
    SliderLayout l = WorkedLayout();
    auto marks = SliderGeometry::TickMarks(l, 0, 80, 10, 5, 3);
    ASSERT_EQ(marks.size(), 9u);
    EXPECT_EQ(marks.front(), (TickMark{0, 6 + 5, 5}));
    EXPECT_EQ(marks[1].length, 3);
    EXPECT_EQ(marks.back(), (TickMark{80, 6 + 127 + 5, 5}));
    // 0..1000 with step 1 cannot keep 4 pixels apart: every k-th value only.
    auto sparse = SliderGeometry::TickMarks(l, 0, 1000, 1, 5, 3);
    ASSERT_GE(sparse.size(), 2u);
    EXPECT_LE(sparse.size(), 33u);
    EXPECT_EQ(sparse.back().value, 1000);
    EXPECT_GE(sparse[1].coord - sparse[0].coord, 3);
}

TEST(SliderRulerRepeat, StepsAtPressThenEvery400msWhileBeyondTheThumb) {
    test::FakeTimers timers;
    SliderRulerRepeat repeat(timers);
    SliderValue value;
    value.SetMaxValue(80);
    value.SetValue(15);

    repeat.DirectionAt = [&](Point p) {
        Rect thumb{value.Value(), 0, value.Value() + 5, 10};
        return SliderPressDirection(thumb, false, p);
    };
    repeat.Step = [&](int dir) { value.Step(dir > 0 ? SliderStep::Up : SliderStep::Down); };
    timers.Deliver = [&](int id) { repeat.OnTimer(id); };

    repeat.Press({62, 5});
    EXPECT_EQ(value.Value(), 30);  // at once
    timers.Advance(399);
    EXPECT_EQ(value.Value(), 30);
    timers.Advance(1);
    EXPECT_EQ(value.Value(), 40);
    timers.Advance(400);
    EXPECT_EQ(value.Value(), 50);
    timers.Advance(400);  // thumb 50..55 is still left of the pointer
    EXPECT_EQ(value.Value(), 60);
    timers.Advance(400);  // now the thumb covers the pointer: steps stop
    EXPECT_EQ(value.Value(), 60);
    EXPECT_TRUE(timers.Running(SliderRulerRepeat::kTimerId));
    EXPECT_TRUE(repeat.Release());
    EXPECT_FALSE(repeat.Release());
    EXPECT_FALSE(timers.Running(SliderRulerRepeat::kTimerId));
}

}  // namespace
}  // namespace dsp
