#include <gtest/gtest.h>

#include <vector>

#include "controls/model/scroll_bar_geometry.h"
#include "controls/model/scroll_bar_model.h"
#include "tests/controls/fake_timers.h"

namespace dsp {
namespace {

TEST(ScrollBarModel, PositionClampsWithAndWithoutPage) {
    test::FakeTimers timers;
    ScrollBarModel bar(timers);
    std::vector<int> changes;
    bar.OnChange = [&](ScrollBarModel& s) { changes.push_back(s.Position()); };
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-3);
    bar.SetPosition(0);
    EXPECT_EQ(changes, (std::vector<int>{100, 0}));
    bar.SetParams(0, 10, 8, 0);  // eleven items, eight rows
    EXPECT_EQ(changes.size(), 2u);
    bar.SetPosition(9);
    EXPECT_EQ(bar.Position(), 3);
    bar.SetPageSize(9);  // 11 < 9 + 3: refused
    EXPECT_EQ(bar.PageSize(), 8);
    bar.SetMax(9);  // pulls the position back
    EXPECT_EQ(bar.Position(), 2);
    bar.SetMin(5);  // raises it
    EXPECT_EQ(bar.Position(), 5);
}

TEST(ScrollBarModel, DragMapsOntoTheRange) {
    test::FakeTimers timers;
    ScrollBarModel bar(timers);
    bar.SetParams(0, 10, 8, 0);
    bar.DragTo(0.5);
    EXPECT_EQ(bar.Position(), 2);  // round(3 * 0.5) = round(1.5)
    bar.DragTo(7.0);
    EXPECT_EQ(bar.Position(), 3);
    bar.DragTo(-1.0);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(ScrollBarModel, ArrowRepeatsAfter500msEvery50ms) {
    test::FakeTimers timers;
    ScrollBarModel bar(timers);
    timers.Deliver = [&](int id) { bar.OnTimer(id); };
    std::vector<long long> at;
    bar.OnChange = [&](ScrollBarModel&) { at.push_back(timers.Now()); };
    bar.PressArrow(+1);
    timers.Advance(600);
    bar.Release();
    timers.Advance(500);
    EXPECT_EQ(at, (std::vector<long long>{0, 500, 550, 600}));
    EXPECT_EQ(bar.Position(), 4);
    bar.Wheel(1 << 16);
    EXPECT_EQ(bar.Position(), 3);
}

TEST(ScrollBarModel, TrackPressPagesWhileBeyondTheThumb) {
    test::FakeTimers timers;
    ScrollBarModel bar(timers);
    timers.Deliver = [&](int id) { bar.OnTimer(id); };
    bar.SetLargeChange(10);
    bar.PressTrack(+1, [&] { return bar.Position() < 25; });
    timers.Advance(1000);
    bar.Release();
    EXPECT_EQ(bar.Position(), 30);
}

TEST(ScrollBarGeometry, DefaultVerticalAndHorizontal) {
    ScrollBarValues v{0, 100, 0, 0};
    ScrollBarParts p = ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, v);
    EXPECT_EQ(p.arrow1, (Rect{1, 1, 17, 17}));
    EXPECT_EQ(p.arrow2, (Rect{1, 147, 17, 163}));
    EXPECT_EQ(p.track, (Rect{1, 17, 17, 147}));
    EXPECT_EQ(p.thumb, (Rect{1, 17, 17, 33}));
    v.position = 100;
    EXPECT_EQ(ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, v).thumb.bottom, 147);

    ScrollBarParts h = ScrollBarGeometry::Default(200, 18, ScrollBarKind::sbHorizontal, v, true);
    EXPECT_EQ(h.arrow2, (Rect{181 - 17, 1, 180, 17}));
    EXPECT_EQ(h.track, (Rect{17, 1, 164, 17}));
}

TEST(ScrollBarGeometry, PagedThumbLengthAndEmptyRange) {
    // Track 130 long, eleven items of which eight fit: round(130 * 8 / 11) = 95.
    ScrollBarValues v{0, 10, 3, 8};
    ScrollBarParts p = ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, v);
    EXPECT_EQ(p.thumb.Height(), 94);  // twice half of 95
    EXPECT_EQ(p.thumb.bottom, 147);
    ScrollBarValues tiny{0, 1000, 0, 1};
    EXPECT_EQ(ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, tiny).thumb.Height(), 16);
    // Max = Min without a page: the thumb stays at the start.
    ScrollBarValues flat{5, 5, 5, 0};
    EXPECT_EQ(ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, flat).thumb.top, 17);
    // A page as large as the range: vertical at the start, horizontal at the end.
    ScrollBarValues full{0, 9, 0, 10};
    EXPECT_EQ(ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, full).thumb.top, 17);
    ScrollBarParts h = ScrollBarGeometry::Default(164, 18, ScrollBarKind::sbHorizontal, full);
    EXPECT_EQ(h.thumb.right, 147);
}

TEST(ScrollBarGeometry, SkinnedTrackArrowsAndThumb) {
    ScrollBarSkinGeometry s;
    s.skinRect = {0, 0, 16, 60};
    s.trackArea = {0, 15, 16, 45};
    s.upButtonRect = {0, 0, 16, 15};
    s.downButtonRect = {0, 45, 16, 60};
    s.leftBottomPoint = {0, 40};
    s.thumbRect = {0, 0, 10, 20};
    ScrollBarValues v{0, 100, 0, 0};
    ScrollBarParts p = ScrollBarGeometry::Skinned(16, 160, ScrollBarKind::sbVertical, v, s);
    EXPECT_EQ(p.track, (Rect{0, 15, 16, 145}));
    EXPECT_EQ(p.arrow1, s.upButtonRect);
    EXPECT_EQ(p.arrow2, (Rect{0, 145, 16, 160}));
    EXPECT_EQ(p.thumb, (Rect{3, 15, 13, 35}));
    s.thumbMinPageSize = 30;
    EXPECT_EQ(ScrollBarGeometry::Skinned(16, 160, ScrollBarKind::sbVertical, v, s).thumb.Height(), 30);
    v.pageSize = 1;  // paged length 1 is below the picture's own 20
    s.thumbMinSize = 24;
    EXPECT_EQ(ScrollBarGeometry::Skinned(16, 160, ScrollBarKind::sbVertical, v, s).thumb.Height(), 24);
}

TEST(ScrollBarGeometry, DragFractionFollowsTheThumb) {
    ScrollBarValues v{0, 100, 0, 0};
    ScrollBarParts p = ScrollBarGeometry::Default(18, 164, ScrollBarKind::sbVertical, v);
    EXPECT_EQ(p.travelLength, 114);
    EXPECT_DOUBLE_EQ(ScrollBarGeometry::DragFraction(p, 17 + 57, ScrollBarKind::sbVertical), 0.5);
    EXPECT_DOUBLE_EQ(ScrollBarGeometry::DragFraction(p, 500, ScrollBarKind::sbVertical), 1.0);
}

TEST(ScrollBarGeometry, SkinnedThumbStaysAtTheStartOfAFlatRange) {
    ScrollBarSkinGeometry s;
    s.skinRect = {0, 0, 16, 60};
    s.trackArea = {0, 16, 16, 44};
    s.thumbRect = {0, 0, 12, 20};
    ScrollBarValues flat{7, 7, 7, 0};
    EXPECT_EQ(ScrollBarGeometry::Skinned(16, 144, ScrollBarKind::sbVertical, flat, s).thumb.top, 16);
    ScrollBarSkinGeometry h;
    h.skinRect = {0, 0, 60, 16};
    h.trackArea = {16, 0, 44, 16};
    h.thumbRect = {0, 0, 20, 12};
    EXPECT_EQ(ScrollBarGeometry::Skinned(144, 16, ScrollBarKind::sbHorizontal, flat, h).thumb.left, 16);
}

}  // namespace
}  // namespace dsp
