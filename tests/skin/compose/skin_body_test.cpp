// Fitting a skin section to a control: the resize mode, the moved anchors,
// the body drawn in one, three or nine pieces, and the region cut from the
// mask by the same plan.
#include "skin/compose/skin_body.h"

#include <gtest/gtest.h>

#include "skin/compose/plan_draw.h"
#include "tests/skin/compose/char_picture.h"

namespace dsp {
namespace {

using testkit::CharPicture;
using testkit::CharRows;
using testkit::Compose;
using testkit::PictureChars;

TEST(SkinFit, ResizeModeFromAnchors) {
    SkinAnchors a;
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::None);
    a.skinRect = {0, 0, 40, 20};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Fixed);
    a.leftBottom = {0, 15};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Height);
    a.rightTop = {30, 0};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Width);
    a.rightBottom = {30, 0};  // one zero coordinate is not enough
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Width);
    a.rightBottom = {30, 15};
    EXPECT_EQ(DeriveResizeMode(a), SkinResizeMode::Both);
}

TEST(SkinFit, SizesAndMovedAnchors) {
    SkinAnchors a;
    a.skinRect = {10, 10, 30, 110};  // 20 x 100
    a.leftTop = {0, 5};
    a.leftBottom = {0, 90};
    a.clientRect = {2, 5, 18, 90};
    // Height only: a 24 x 112 request keeps the section's width and grows down.
    SkinFit f = CalcSkinSize(a, SkinResizeMode::Height, 24, 112);
    EXPECT_EQ(f.width, 20);
    EXPECT_EQ(f.height, 112);
    EXPECT_EQ(f.leftBottom, (Point{0, 102}));
    EXPECT_EQ(f.clientRect, (Rect{2, 5, 18, 102}));
    // Width only keeps the section's height whatever is stored.
    a.rightTop = {15, 0};
    SkinFit w = CalcSkinSize(a, SkinResizeMode::Width, 50, 300);
    EXPECT_EQ(w.height, 100);
    EXPECT_EQ(w.rightTop, (Point{45, 0}));
    SkinFit fixed = CalcSkinSize(a, SkinResizeMode::Fixed, 50, 300);
    EXPECT_EQ(fixed.width, 20);
    EXPECT_EQ(fixed.clientRect, a.clientRect);
    a.rightBottom = {15, 90};
    SkinFit both = CalcSkinSize(a, SkinResizeMode::Both, 50, 300);
    EXPECT_EQ(both.rightBottom, (Point{45, 290}));
    EXPECT_EQ(both.clientRect, (Rect{2, 5, 48, 290}));
}

// A 6 x 6 section at (1, 1) of its picture: one-pixel borders round a 4 x 4
// client part, each border cut by its anchors into a fixed piece, a
// two-pixel middle and a fixed piece.
const CharRows kPicture{
    "########",  //
    "#abcdef#",  //
    "#ghijkl#",  //
    "#mnopqr#",  //
    "#stuvwx#",  //
    "#yzABCD#",  //
    "#EFGHIJ#",  //
    "########",
};

SkinAnchors NineAnchors() {
    SkinAnchors a;
    a.skinRect = {1, 1, 7, 7};
    a.leftTop = {2, 2};
    a.rightTop = {4, 2};
    a.leftBottom = {2, 4};
    a.rightBottom = {4, 4};
    a.clientRect = {1, 1, 5, 5};
    return a;
}

TEST(SkinBody, NinePiecesRepeated) {
    const SkinAnchors a = NineAnchors();
    ASSERT_EQ(DeriveResizeMode(a), SkinResizeMode::Both);
    const PiecePlan plan = SkinBodyPlan(a, {}, SkinResizeMode::Both, 8, 8);
    EXPECT_EQ(Compose(CharPicture(kPicture), plan, 8, 8), (CharRows{
                                                              "abcdcdef",
                                                              "ghijkhil",
                                                              "mnopqnor",
                                                              "stuvwtux",
                                                              "mzABCzAr",
                                                              "shijkhix",
                                                              "ynopqnoD",
                                                              "EFGHGHIJ",
                                                          }));
    // At the section's own size the body is the section.
    EXPECT_EQ(Compose(CharPicture(kPicture), SkinBodyPlan(a, {}, SkinResizeMode::Both, 6, 6), 6, 6),
              (CharRows{"abcdef", "ghijkl", "mnopqr", "stuvwx", "yzABCD", "EFGHIJ"}));
}

TEST(SkinBody, NinePiecesStretched) {
    const SkinStretch all{.left = true, .top = true, .right = true, .bottom = true, .effect = true};
    const PiecePlan plan = SkinBodyPlan(NineAnchors(), all, SkinResizeMode::Both, 8, 8);
    EXPECT_EQ(Compose(CharPicture(kPicture), plan, 8, 8), (CharRows{
                                                              "abccddef",
                                                              "ghiijkkl",
                                                              "mnoopqqr",
                                                              "mnoopqqr",
                                                              "stuuvwwx",
                                                              "szAABCCx",
                                                              "yzAABCCD",
                                                              "EFGGHHIJ",
                                                          }));
}

TEST(SkinBody, ClientStretchTypes) {
    SkinStretch s{.effect = true, .type = TbsStretchType::stHorz};
    NinePiece nine = NinePiecePlan(NineAnchors(), s, CalcSkinSize(NineAnchors(), SkinResizeMode::Both, 8, 8));
    EXPECT_EQ(Compose(CharPicture(kPicture), nine.client, 8, 8), (CharRows{
                                                                     "........",
                                                                     ".hijkhi.",
                                                                     ".nopqno.",
                                                                     ".nopqno.",
                                                                     ".tuvwtu.",
                                                                     ".zABCzA.",
                                                                     ".zABCzA.",
                                                                     "........",
                                                                 }));
    s.type = TbsStretchType::stVert;
    nine = NinePiecePlan(NineAnchors(), s, CalcSkinSize(NineAnchors(), SkinResizeMode::Both, 8, 8));
    const CharRows vert = Compose(CharPicture(kPicture), nine.client, 8, 8);
    EXPECT_EQ(vert, (CharRows{"........", ".hiijkk.", ".noopqq.", ".tuuvww.", ".zAABCC.", ".hiijkk.",
                              ".noopqq.", "........"}));
}

TEST(SkinBody, FixedAndThreePieceModes) {
    SkinAnchors a = NineAnchors();
    // Mode 0: a one-to-one copy of the section whatever the size asked.
    EXPECT_EQ(SkinBodyPlan(a, {}, SkinResizeMode::Fixed, 20, 20),
              (PiecePlan{{Rect{1, 1, 7, 7}, Rect{0, 0, 6, 6}}}));
    // Mode 2: the width between lefttop.x and righttop.x repeats.
    EXPECT_EQ(Compose(CharPicture(kPicture), SkinBodyPlan(a, {}, SkinResizeMode::Width, 9, 6), 9, 6)[0],
              "abcdcdcef");
    // ... or stretches with stretcheffect.
    EXPECT_EQ(Compose(CharPicture(kPicture), SkinBodyPlan(a, {.effect = true}, SkinResizeMode::Width, 9, 6),
                      9, 6)[0],
              "abccdddef");
    // Mode 3: the height between lefttop.y and leftbottom.y repeats.
    const CharRows down =
        Compose(CharPicture(kPicture), SkinBodyPlan(a, {}, SkinResizeMode::Height, 6, 8), 6, 8);
    EXPECT_EQ(down,
              (CharRows{"abcdef", "ghijkl", "mnopqr", "stuvwx", "mnopqr", "stuvwx", "yzABCD", "EFGHIJ"}));
    EXPECT_TRUE(SkinBodyPlan(a, {}, SkinResizeMode::None, 8, 8).empty());
}

TEST(SkinBody, AnchorsThatMeetGiveABlankBody) {
    SkinAnchors a = NineAnchors();
    a.rightBottom = {2, 4};  // x equals the left-top anchor's
    EXPECT_TRUE(SkinBodyPlan(a, {}, SkinResizeMode::Both, 8, 8).empty());
    a.rightBottom = {4, 2};
    EXPECT_TRUE(SkinBodyPlan(a, {}, SkinResizeMode::Both, 8, 8).empty());
}

TEST(SkinBody, SmallerThanTheSectionStaysInsideTheControl) {
    const PiecePlan plan = SkinBodyPlan(NineAnchors(), {}, SkinResizeMode::Both, 3, 2);
    for (const Piece& p : plan) {
        EXPECT_FALSE(p.dest.IsEmpty());
        EXPECT_TRUE((Rect{0, 0, 3, 2}).Contains(p.dest)) << p.dest.left << "," << p.dest.top;
    }
    Compose(CharPicture(kPicture), plan, 3, 2);  // draws without reading outside the picture
}

// The region follows the composed mask pixel for pixel, for repeated and
// stretched pieces and at sizes below, at and above the section's.
TEST(SkinBody, MaskRegionMatchesTheComposedMask) {
    const Bitmap mask = CharPicture({
        "........",  //
        "...##...",  //
        ".######.",  //
        ".#.##.#.",  //
        ".######.",  //
        ".##..##.",  //
        "..####..",  //
        "........",
    });
    Bitmap black = mask;
    for (int y = 0; y < black.Height(); ++y)
        for (int x = 0; x < black.Width(); ++x)
            if (black.GetPixel(x, y) != clWhite) black.SetPixel(x, y, clBlack);
    const SkinStretch variants[] = {
        {}, {.left = true, .top = true, .right = true, .bottom = true, .effect = true}};
    for (const SkinStretch& s : variants) {
        for (int size : {4, 6, 9, 13}) {
            const PiecePlan plan = SkinBodyPlan(NineAnchors(), s, SkinResizeMode::Both, size, size + 1);
            const Region region = RegionFromPlan(black, plan);
            Bitmap composed(size, size + 1, clWhite);
            Canvas canvas(composed);
            DrawPlan(canvas, black, plan);
            for (int y = -1; y <= size + 1; ++y) {
                for (int x = -1; x <= size; ++x) {
                    EXPECT_EQ(region.Contains({x, y}), composed.GetPixel(x, y) == clBlack)
                        << "size " << size << " at " << x << "," << y << " stretched " << s.effect;
                }
            }
        }
    }
}

TEST(SkinBody, MaskRegionAtItsPlace) {
    Bitmap black(3, 2, clWhite);
    for (Point p : {Point{0, 0}, Point{2, 0}, Point{0, 1}, Point{1, 1}, Point{2, 1}})
        black.SetPixel(p.x, p.y, clBlack);
    PiecePlan plan{{black.Bounds(), Rect::FromOriginSize(10, 20, 3, 2)}};
    const Region r = RegionFromPlan(black, plan);
    EXPECT_EQ(r.Rects(), (std::vector<Rect>{{10, 20, 11, 21}, {12, 20, 13, 21}, {10, 21, 13, 22}}));
    EXPECT_TRUE(RegionFromPlan(Bitmap(), plan).IsEmpty());
    EXPECT_TRUE(RegionFromPlan(black, {}).IsEmpty());
}

}  // namespace
}  // namespace dsp
