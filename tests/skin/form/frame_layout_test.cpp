// The pure frame layout: margins, moved points, the four pieces' plans, the
// mask cut by the same plans, object placement and the cut caption text.

#include "skin/form/frame_layout.h"

#include <gtest/gtest.h>

#include "skin/compose/plan_draw.h"
#include "skin/compressed_stored_skin.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/form/frame_object.h"
#include "skin/skin_data.h"

namespace dsp::test {
namespace {

class Skin1Layout : public ::testing::Test {
  protected:
    Skin1Layout() {
        LoadEmbeddedSkin(1, stored_);
        skin_.LoadFromCompressedStoredSkin(stored_);
    }
    const TbsSkinFormData& Form() const { return skin_.FormData(); }
    Size Picture() const { return {skin_.PictureBitmap().Width(), skin_.PictureBitmap().Height()}; }

    TbsCompressedStoredSkin stored_;
    TbsSkinData skin_;
};

TEST_F(Skin1Layout, MarginsAreTheSameForEveryWindowSize) {
    ASSERT_EQ(Picture().cx, 220);
    ASSERT_EQ(Picture().cy, 120);
    EXPECT_EQ(FrameMargins(Form(), Picture()), (Rect{6, 30, 6, 6}));
    for (Size window : {Size{220, 120}, Size{704, 509}, Size{300, 36}}) {
        const FrameLayout l = ComputeFrameLayout(Form(), Picture(), window);
        EXPECT_EQ(l.client, (Rect{6, 30, window.cx - 6, window.cy - 6}));
        EXPECT_EQ(l.topHeight, 30);
        EXPECT_EQ(l.bottomHeight, 6);
        EXPECT_EQ(l.leftWidth, 6);
        EXPECT_EQ(l.rightWidth, 6);
    }
}

TEST_F(Skin1Layout, PointsRightAndBelowTheCutMoveWithTheWindow) {
    const FrameLayout l = ComputeFrameLayout(Form(), Picture(), {704, 509});
    EXPECT_EQ(l.dx, 484);
    EXPECT_EQ(l.dy, 389);
    EXPECT_EQ(l.leftTop, (Point{40, 30}));
    EXPECT_EQ(l.rightTop, (Point{116 + 484, 30}));
    EXPECT_EQ(l.leftBottom, (Point{40, 114 + 389}));
    EXPECT_EQ(l.rightBottom, (Point{116 + 484, 114 + 389}));
    // captionrect 30,1,118,29 grows; buttonsrect 121.. lies right of the
    // picture's middle and moves.
    EXPECT_EQ(l.caption, (Rect{30, 1, 118 + 484, 29}));
    EXPECT_EQ(l.buttons, (Rect{121 + 484, 7, 214 + 484, 23}));
    EXPECT_EQ(l.maskArea, (Rect{6, 30, 214 + 484, 114 + 389}));
}

TEST_F(Skin1Layout, AWindowThePictureSizeShowsThePictureUnchanged) {
    const FrameLayout l = ComputeFrameLayout(Form(), Picture(), Picture());
    const FramePlans plans = ComputeFramePlans(Form(), l);
    Bitmap drawn(220, 120, clWhite);
    Canvas canvas(drawn);
    for (const PiecePlan* plan : {&plans.top, &plans.bottom, &plans.left, &plans.right})
        DrawPlan(canvas, skin_.PictureBitmap(), *plan);
    const Bitmap& picture = skin_.PictureBitmap();
    int differing = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 220; ++x)
            if (!l.client.Contains(Point{x, y}) && drawn.GetPixel(x, y) != picture.GetPixel(x, y))
                ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(Skin1Layout, AllBlackMaskGivesTheWholeWindow) {
    // The frame's mask is cut by the frame's plans: a mask of black only
    // covers every frame pixel of a larger window.
    Bitmap black(220, 120, clBlack);
    const FrameLayout l = ComputeFrameLayout(Form(), Picture(), {500, 400});
    const FramePlans plans = ComputeFramePlans(Form(), l);
    Region region(l.maskArea);
    for (const PiecePlan* plan : {&plans.top, &plans.bottom, &plans.left, &plans.right})
        region = region.Union(RegionFromPlan(black, *plan));
    EXPECT_EQ(region, Region(Rect{0, 0, 500, 400}));
    // One run per row of a black piece.
    const Region top = RegionFromPlan(black, plans.top);
    EXPECT_EQ(top.Rects().size(), 1u);
    EXPECT_EQ(top.Bounds(), (Rect{0, 0, 500, 30}));
}

TEST_F(Skin1Layout, TheCaptionGrowsAndTheCloseButtonMovesByDx) {
    const FrameLayout l = ComputeFrameLayout(Form(), Picture(), {320, 200});
    // caption1 30,1,118,29 runs from the top-left zone into the top-right one.
    EXPECT_EQ(PlaceObjectRect({30, 1, 118, 29}, Form(), l), (Rect{30, 1, 218, 29}));
    // closebutton 197,7,214,23 lies in the top-right zone.
    EXPECT_EQ(PlaceObjectRect({197, 7, 214, 23}, Form(), l), (Rect{297, 7, 314, 23}));
    // sysmenubutton 9,7,26,23 stays in the top-left zone.
    EXPECT_EQ(PlaceObjectRect({9, 7, 26, 23}, Form(), l), (Rect{9, 7, 26, 23}));
    // A rectangle flush with the picture's right edge still moves.
    EXPECT_EQ(PlaceObjectRect({200, 5, 220, 20}, Form(), l), (Rect{300, 5, 320, 20}));
}

// A 50 x 50 frame picture whose top band runs from 10 to 40 (30 pixels)
// and whose side bands from 20 to 40.
void SetBandFrame(TbsSkinFormData& f) {
    f.LTPoint = {10, 20};
    f.RTPoint = {40, 20};
    f.LBPoint = {10, 40};
    f.RBPoint = {40, 40};
    f.ClientRect = {5, 20, 45, 40};
}

TEST(FrameLayout, ARepeatedBandOf30Over100GivesFourCopiesTheLastCutTo10) {
    TbsSkinFormData f;
    SetBandFrame(f);
    const FrameLayout l = ComputeFrameLayout(f, {50, 50}, {100, 80});
    const FramePlans plans = ComputeFramePlans(f, l);
    std::vector<Piece> copies;
    for (const Piece& p : plans.top)
        if (p.source.left == 10) copies.push_back(p);
    ASSERT_EQ(copies.size(), 4u);
    EXPECT_EQ(copies[0].dest, (Rect{0, 0, 30, 20}));
    EXPECT_EQ(copies[3].dest, (Rect{90, 0, 100, 20}));
    EXPECT_EQ(copies[3].source.Width(), 10);
    // The corners lie over the copies: left 0..10, right 60..100 (picture 40..50).
    EXPECT_EQ(plans.top[plans.top.size() - 2].dest, (Rect{0, 0, 10, 20}));
    EXPECT_EQ(plans.top.back().dest, (Rect{90, 0, 100, 20}));
    EXPECT_EQ(plans.top.back().source, (Rect{40, 0, 50, 20}));
}

TEST(FrameLayout, StretchedBandsFillBetweenTheMovedPoints) {
    TbsSkinFormData f;
    SetBandFrame(f);
    f.TopStretch = f.LeftStretch = true;
    const FrameLayout l = ComputeFrameLayout(f, {50, 50}, {100, 80});
    const FramePlans plans = ComputeFramePlans(f, l);
    ASSERT_EQ(plans.top.size(), 3u);
    EXPECT_EQ(plans.top[1].source, (Rect{10, 0, 40, 20}));
    EXPECT_EQ(plans.top[1].dest, (Rect{10, 0, 90, 20}));
    // The left piece: rows 20..40 of the picture down the window's 50-row side.
    EXPECT_EQ(plans.leftRect, (Rect{0, 20, 5, 70}));
    EXPECT_EQ(PlanBounds(plans.left), plans.leftRect);
}

TEST(FrameLayout, NoBandMeansNoPiece) {
    TbsSkinFormData f;
    f.LTPoint = {10, 20};
    f.RTPoint = {10, 20};  // no band across the top
    f.LBPoint = {10, 40};
    f.RBPoint = {40, 40};
    f.ClientRect = {5, 20, 45, 40};
    const FramePlans plans = ComputeFramePlans(f, ComputeFrameLayout(f, {50, 50}, {100, 80}));
    EXPECT_TRUE(plans.top.empty());
    EXPECT_FALSE(plans.bottom.empty());
}

TEST(CaptionText, ATextTooWideIsCutAndEndsInDots) {
    auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
    EXPECT_EQ(FitCaptionText("Short", 100, measure), "Short");
    EXPECT_EQ(FitCaptionText("", 10, measure), "");
    const std::string cut = FitCaptionText("Digital Effect Processor", 70, measure);
    EXPECT_EQ(cut, "Digital...");
    EXPECT_LE(measure(cut), 70);
    // Nothing fits: only the dots are left.
    EXPECT_EQ(FitCaptionText("Wide", 5, measure), "...");
    // A character of several bytes goes whole, never a part of it.
    auto bytes = [](std::string_view s) { return static_cast<int>(s.size()); };
    EXPECT_EQ(FitCaptionText("专业DSP前级效果器", 10, bytes), "专业D...");
}

}  // namespace
}  // namespace dsp::test
