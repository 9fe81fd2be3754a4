#include <gtest/gtest.h>

#include <vector>

#include "controls/model/track_bar_geometry.h"
#include "controls/model/track_bar_value.h"

namespace dsp {
namespace {

struct Recorder {
    std::vector<int> changes;
    int repaints = 0;
    void Attach(TrackBarValue& t) {
        t.OnChange = [this](TrackBarValue& s) { changes.push_back(s.Value()); };
        t.OnInvalidate = [this](TrackBarValue&) { ++repaints; };
    }
};

TEST(TrackBarValue, SetFiresOnlyOnRealChangeAndClamps) {
    TrackBarValue t;
    t.SetMaxValue(63);
    Recorder r;
    r.Attach(t);
    t.SetValue(20);
    t.SetValue(20);
    EXPECT_EQ(r.changes, (std::vector<int>{20}));
    t.SetValue(63 + 10);
    t.SetValue(1000);
    t.SetValue(-5);
    EXPECT_EQ(r.changes, (std::vector<int>{20, 63, 0}));
    EXPECT_EQ(r.repaints, 3);
}

TEST(TrackBarValue, BoundsPullValueWithoutEvent) {
    TrackBarValue t;
    Recorder r;
    r.Attach(t);
    t.SetMaxValue(30);
    EXPECT_EQ(t.Value(), 30);
    t.SetMinValue(40);
    EXPECT_EQ(t.Value(), 40);
    EXPECT_TRUE(r.changes.empty());
    // An inverted pair is not refused: a set then yields MaxValue.
    t.SetValue(35);
    EXPECT_EQ(t.Value(), 30);
}

TEST(TrackBarValue, NestedChangeRunsToItsEndFirst) {
    TrackBarValue t;
    t.SetMaxValue(63);
    std::vector<std::string> log;
    t.OnChange = [&](TrackBarValue& s) {
        int v = s.Value();
        log.push_back("enter " + std::to_string(v));
        if (v > 40) s.SetValue(40);
        log.push_back("leave " + std::to_string(v));
    };
    t.SetValue(55);
    EXPECT_EQ(log, (std::vector<std::string>{"enter 55", "enter 40", "leave 40", "leave 55"}));
    EXPECT_EQ(t.Value(), 40);
}

TEST(TrackBarGeometry, VerticalThumbCountsFromTheBottom) {
    // A 20 x 112 default-look fader, 0..63 at 50.
    Rect track = TrackBarGeometry::DefaultTrack(20, 112);
    TrackBarSize thumb = TrackBarGeometry::DefaultThumbSize(20, 112, true);
    EXPECT_EQ(thumb.width, 16);
    EXPECT_EQ(thumb.height, 8);
    TrackBarLayout l = TrackBarGeometry::Layout(track, thumb, true, 0, 63, 50);
    EXPECT_EQ(l.travelStart, 6);
    EXPECT_EQ(l.travelEnd, 106);
    EXPECT_EQ(l.thumbOffset, 79);  // round(100 * 50 / 63) = round(79.37)
    EXPECT_EQ(l.thumb, Rect::FromOriginSize(2, 106 - 79 - 4, 16, 8));
    // The bottom is the minimum and the top the maximum.
    EXPECT_EQ(TrackBarGeometry::Layout(track, thumb, true, 0, 63, 0).thumb.top, 102);
    EXPECT_EQ(TrackBarGeometry::Layout(track, thumb, true, 0, 63, 63).thumb.top, 2);
}

TEST(TrackBarGeometry, HorizontalLayoutAndHalfEvenRounding) {
    Rect track = TrackBarGeometry::DefaultTrack(100, 20);
    TrackBarSize thumb = TrackBarGeometry::DefaultThumbSize(100, 20, false);
    EXPECT_EQ(thumb.width, 8);
    EXPECT_EQ(thumb.height, 16);
    // travel 6..94 = 88; 88 * 1/16 = 5.5 rounds to 6, 88 * 3/16 = 16.5 to 16.
    EXPECT_EQ(TrackBarGeometry::Layout(track, thumb, false, 0, 16, 1).thumbOffset, 6);
    EXPECT_EQ(TrackBarGeometry::Layout(track, thumb, false, 0, 16, 3).thumbOffset, 16);
    TrackBarLayout l = TrackBarGeometry::Layout(track, thumb, false, 0, 100, 50);
    EXPECT_EQ(l.thumb, Rect::FromOriginSize(6 + 44 - 4, 2, 8, 16));
}

TEST(TrackBarGeometry, EmptyRangeSitsAtMinimumAndDragsYieldMinimum) {
    Rect track = TrackBarGeometry::DefaultTrack(20, 112);
    TrackBarSize thumb = TrackBarGeometry::DefaultThumbSize(20, 112, true);
    TrackBarLayout l = TrackBarGeometry::Layout(track, thumb, true, 7, 7, 7);
    EXPECT_EQ(l.thumbOffset, 0);
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(l, 60, 7, 7), 7);
}

TEST(TrackBarGeometry, OffsetToValueClampsAndRounds) {
    TrackBarLayout l;
    l.travelStart = 6;
    l.travelEnd = 106;  // 100 pixels for 0..63
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(l, -30, 0, 63), 0);
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(l, 500, 0, 63), 63);
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(l, 50, 0, 63), 32);  // 31.5 -> 32
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(l, 50, 0, 61), 30);  // 30.5 -> 30
    TrackBarLayout flat;
    EXPECT_EQ(TrackBarGeometry::ValueAtOffset(flat, 3, 10, 20), 10);
}

TEST(TrackBarGeometry, DragAndJumpOffsets) {
    // Vertical: moving the pointer up raises the offset.
    EXPECT_EQ(TrackBarGeometry::DragOffset(true, 50, 40, 45), 45);
    EXPECT_EQ(TrackBarGeometry::DragOffset(false, 50, 40, 45), 35);
    Rect thumb = Rect::FromOriginSize(2, 30, 16, 8);
    EXPECT_EQ(TrackBarGeometry::JumpOffset(true, 10, 60, 112, thumb, 2), 112 - 60 - 4 - 2);
    EXPECT_TRUE(TrackBarGeometry::HitsThumb(thumb, {18, 38}));  // right and bottom edges count
    EXPECT_FALSE(TrackBarGeometry::HitsThumb(thumb, {19, 38}));
    EXPECT_FALSE(TrackBarGeometry::HitsThumb(thumb, {10, 29}));
}

TEST(TrackBarGeometry, WorkingTrackGrowsWithResizableSection) {
    Rect area{3, 10, 17, 90};
    Rect skin{0, 0, 20, 100};
    EXPECT_EQ(TrackBarGeometry::WorkingTrack(area, skin, 20, 112, true, true), (Rect{3, 10, 17, 102}));
    EXPECT_EQ(TrackBarGeometry::WorkingTrack(area, skin, 20, 112, true, false), area);
}

}  // namespace
}  // namespace dsp
