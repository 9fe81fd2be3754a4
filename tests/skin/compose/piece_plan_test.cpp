// Composition plans drawn from tiny lettered pictures and compared pixel for
// pixel with the expected layout, written out as text.
#include "skin/compose/piece_plan.h"

#include <gtest/gtest.h>

#include "skin/compose/state_cell.h"
#include "tests/skin/compose/char_picture.h"

namespace dsp {
namespace {

using testkit::CharPicture;
using testkit::CharRows;
using testkit::Compose;
using testkit::PictureChars;

ThreePiece Across(int start, int end, int length, PieceFill fill = PieceFill::Repeat) {
    return {.startFixed = start, .endFixed = end, .destLength = length, .fill = fill};
}

TEST(ThreePiece, RepeatsTheMiddleAndCutsTheLastCopy) {
    const Bitmap strip = CharPicture({"ABCDE", "abcde"});
    const Rect all = strip.Bounds();
    EXPECT_EQ(Compose(strip, ThreePiecePlan(all, Axis::Horizontal, Across(1, 1, 9)), 9, 2),
              (CharRows{"ABCDBCDBE", "abcdbcdbe"}));
    // Exactly the picture's length is the picture.
    EXPECT_EQ(Compose(strip, ThreePiecePlan(all, Axis::Horizontal, Across(1, 1, 5)), 5, 2),
              (CharRows{"ABCDE", "abcde"}));
    // Shorter than the picture: the middle is cut, both ends stay whole.
    EXPECT_EQ(Compose(strip, ThreePiecePlan(all, Axis::Horizontal, Across(1, 2, 4)), 4, 2),
              (CharRows{"ABDE", "abde"}));
}

TEST(ThreePiece, StretchesTheMiddleNearestPixel) {
    const Bitmap strip = CharPicture({"ABCDE"});
    EXPECT_EQ(
        Compose(strip, ThreePiecePlan(strip.Bounds(), Axis::Horizontal, Across(1, 1, 9, PieceFill::Stretch)),
                9, 1),
        (CharRows{"ABBCCCDDE"}));
}

TEST(ThreePiece, DownwardsFromAStripInsideAPicture) {
    const Bitmap picture = CharPicture({"xxxx", "xABx", "xCDx", "xEFx", "xGHx", "xxxx"});
    const PiecePlan plan =
        ThreePiecePlan({1, 1, 3, 5}, Axis::Vertical, {.startFixed = 1, .endFixed = 1, .destLength = 7});
    EXPECT_EQ(Compose(picture, plan, 2, 7), (CharRows{"AB", "CD", "EF", "CD", "EF", "CD", "GH"}));
}

TEST(ThreePiece, DegenerateInputsGiveNoPieces) {
    EXPECT_TRUE(ThreePieceSpans({.sourceLength = 0, .destLength = 10}).empty());
    EXPECT_TRUE(ThreePieceSpans({.sourceLength = 10, .destLength = 0}).empty());
    // Ends longer than the strip are shortened; without a middle nothing repeats.
    const auto spans = ThreePieceSpans({.sourceLength = 4, .startFixed = 3, .endFixed = 3, .destLength = 10});
    EXPECT_EQ(spans, (std::vector<PieceSpan>{{0, 3, 0, 3}, {3, 1, 9, 1}}));
}

// The frame lays its band's copies from 0 and the corners over them: a band
// of 30 over a piece 100 wide is 4 copies, the last cut to 10.
TEST(ThreePiece, CopiesFromZeroLieUnderTheEnds) {
    const auto spans = ThreePieceSpans({.source = 0,
                                        .sourceLength = 50,
                                        .startFixed = 10,
                                        .endFixed = 10,
                                        .destLength = 100,
                                        .repeatFrom = RepeatFrom::Zero});
    EXPECT_EQ(spans, (std::vector<PieceSpan>{{10, 30, 0, 30},
                                             {10, 30, 30, 30},
                                             {10, 30, 60, 30},
                                             {10, 10, 90, 10},
                                             {0, 10, 0, 10},
                                             {40, 10, 90, 10}}));
    // The band's phase follows x = 0, not the end of the start piece.
    const Bitmap strip = CharPicture({"AbcD"});
    const PiecePlan plan =
        ThreePiecePlan(strip.Bounds(), Axis::Horizontal,
                       {.startFixed = 1, .endFixed = 1, .destLength = 6, .repeatFrom = RepeatFrom::Zero});
    EXPECT_EQ(Compose(strip, plan, 6, 1), (CharRows{"AcbcbD"}));
}

TEST(AreaPlan, TileAndTheThreeStretchTypes) {
    const Bitmap tile = CharPicture({"ab", "cd"});
    const Rect dest{0, 0, 5, 3};
    EXPECT_EQ(Compose(tile, AreaPlan(tile.Bounds(), dest, AreaFill::Tile), 5, 3),
              (CharRows{"ababa", "cdcdc", "ababa"}));
    EXPECT_EQ(Compose(tile, AreaPlan(tile.Bounds(), dest, AreaFill::Stretch), 5, 3),
              (CharRows{"aabbb", "ccddd", "ccddd"}));
    EXPECT_EQ(Compose(tile, AreaPlan(tile.Bounds(), dest, AreaFill::StretchHeightRepeatAcross), 5, 3),
              (CharRows{"ababa", "cdcdc", "cdcdc"}));
    EXPECT_EQ(Compose(tile, AreaPlan(tile.Bounds(), dest, AreaFill::StretchWidthRepeatDown), 5, 3),
              (CharRows{"aabbb", "ccddd", "aabbb"}));
    // An area away from the origin starts its copies at its own corner.
    EXPECT_EQ(Compose(tile, AreaPlan(tile.Bounds(), {1, 1, 4, 3}, AreaFill::Tile), 5, 3),
              (CharRows{".....", ".aba.", ".cdc."}));
    EXPECT_TRUE(AreaPlan({}, dest, AreaFill::Tile).empty());
    EXPECT_TRUE(AreaPlan(tile.Bounds(), {}, AreaFill::Stretch).empty());
}

TEST(StateCell, PicksOneOfEqualCells) {
    EXPECT_EQ(StateCell({10, 5, 32, 27}, 2, 0), (Rect{10, 5, 21, 27}));
    EXPECT_EQ(StateCell({10, 5, 32, 27}, 2, 1), (Rect{21, 5, 32, 27}));
    // The index is clamped to the cells; a count below 1 is the whole strip.
    EXPECT_EQ(StateCell({10, 5, 32, 27}, 2, 7), (Rect{21, 5, 32, 27}));
    EXPECT_EQ(StateCell({10, 5, 32, 27}, 0, 3), (Rect{10, 5, 32, 27}));
    // Down a strip, with the remainder of an uneven split left out.
    EXPECT_EQ(StateCell({0, 0, 9, 10}, 3, 2, CellAxis::Down), (Rect{0, 6, 9, 9}));
}

}  // namespace
}  // namespace dsp
