// Region algebra: the band form must give the same pixel sets as a plain
// per-pixel model of the operations.

#include "platform/graphics/region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "platform/graphics/mask_region.h"

namespace dsp {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Pixels(const Region& r) {
    PixelSet out;
    for (const Rect& rect : r.Rects()) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) EXPECT_TRUE(out.insert({x, y}).second) << "overlap";
        }
    }
    return out;
}

PixelSet Pixels(const Rect& r) { return Pixels(Region(r)); }

TEST(RegionTest, UnionIntersectSubtractMatchPixelSets) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(0, 12);
    for (int round = 0; round < 200; ++round) {
        std::vector<Rect> as, bs;
        for (int i = 0; i < 3; ++i) {
            as.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
            bs.push_back({coord(rng), coord(rng), coord(rng), coord(rng)});
        }
        PixelSet pa, pb;
        for (const Rect& r : as)
            for (auto p : Pixels(r)) pa.insert(p);
        for (const Rect& r : bs)
            for (auto p : Pixels(r)) pb.insert(p);
        const Region a = Region::FromRects(as), b = Region::FromRects(bs);
        ASSERT_EQ(Pixels(a), pa);
        PixelSet uni = pa, inter, diff;
        uni.insert(pb.begin(), pb.end());
        for (auto p : pa) (pb.count(p) ? inter : diff).insert(p);
        EXPECT_EQ(Pixels(a.Union(b)), uni);
        EXPECT_EQ(Pixels(a.Intersect(b)), inter);
        EXPECT_EQ(Pixels(a.Subtract(b)), diff);
        for (int y = 0; y < 13; ++y) {
            for (int x = 0; x < 13; ++x) ASSERT_EQ(a.Contains({x, y}), pa.count({x, y}) == 1);
        }
        // A rectangle is contained exactly when all its pixels are.
        for (const Rect& r : bs) {
            const PixelSet pr = Pixels(r);
            const bool inside = std::all_of(pr.begin(), pr.end(), [&](auto p) { return pa.count(p) == 1; });
            ASSERT_EQ(a.Covers(r), inside) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        }
        ASSERT_TRUE(a.Covers(as[0]));
    }
}

TEST(RegionTest, AdjacentPiecesMergeAndOffsetMoves) {
    const Rect halves[] = {{0, 0, 4, 2}, {4, 0, 8, 2}, {0, 2, 8, 5}};
    Region r = Region::FromRects(halves);
    ASSERT_EQ(r.Rects().size(), 1u);
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 8, 5}));
    r.Offset(3, -1);
    EXPECT_EQ(r.Rects().front(), (Rect{3, -1, 11, 4}));
    EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).IsEmpty());
    EXPECT_TRUE(r.Intersect(Region(Rect{20, 20, 30, 30})).IsEmpty());
}

TEST(RegionTest, ClipCutsARectangleIntoVisiblePieces) {
    const Rect two[] = {{0, 0, 2, 2}, {4, 0, 6, 2}};
    const Region r = Region::FromRects(two);
    const std::vector<Rect> pieces = r.Clip({1, 1, 5, 10});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], (Rect{1, 1, 2, 2}));
    EXPECT_EQ(pieces[1], (Rect{4, 1, 5, 2}));
}

}  // namespace
}  // namespace dsp

namespace dsp {
namespace {

// A mask with black (inside) and white (outside) pixels from a picture text.
Bitmap Mask(const std::vector<std::string>& rows) {
    Bitmap b(int(rows[0].size()), int(rows.size()), clWhite);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (rows[y][x] == '#') b.SetPixel(x, y, clBlack);
    return b;
}

TEST(MaskRegionTest, BlackRunsBecomeRowsPlacedAtThePiecePosition) {
    const Bitmap mask = Mask({"##..#", "##..#", ".###."});
    const Region r = RegionFromMask(mask, {0, 0, 5, 3}, {10, 20});
    const std::vector<Rect> expected = {{10, 20, 12, 22}, {14, 20, 15, 22}, {11, 22, 14, 23}};
    EXPECT_EQ(r.Rects(), expected);
    // A piece from the middle, placed elsewhere; a near-black pixel is outside.
    Bitmap grey = mask;
    grey.SetPixel(2, 2, 0x010000);
    const Region piece = RegionFromMask(grey, {1, 1, 4, 3}, {0, 0});
    const std::vector<Rect> inPiece = {{0, 0, 1, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}};
    EXPECT_EQ(Pixels(piece), Pixels(Region::FromRects(inPiece)));
}

// Batches that end inside a row, and rows repeating the one above (taken
// over unscanned), lose no pixel and add none.
TEST(MaskRegionTest, RunBatchesAndRepeatedRowsLoseNothing) {
    for (const int repeat : {1, 3}) {
        Bitmap checker(101, 97, clWhite);
        for (int y = 0; y < checker.Height(); ++y)
            for (int x = 0; x < checker.Width(); ++x)
                if ((x / 2 + y / repeat) % 2 == 0 || x % 17 == 0) checker.SetPixel(x, y, clBlack);
        const Region whole = RegionFromMask(checker, checker.Bounds(), {0, 0}, 1 << 30);
        EXPECT_EQ(RegionFromMask(checker, checker.Bounds(), {0, 0}, 7), whole) << repeat;
        EXPECT_EQ(RegionFromMask(checker, checker.Bounds(), {0, 0}), whole) << repeat;
        int black = 0;
        for (int y = 0; y < checker.Height(); ++y)
            for (int x = 0; x < checker.Width(); ++x) black += checker.GetPixel(x, y) == clBlack;
        EXPECT_EQ(int(Pixels(whole).size()), black) << repeat;
        const Region middle = RegionFromMask(checker, {3, 4, 60, 50}, {3, 4}, 5);
        EXPECT_EQ(middle, whole.Intersect(Region(Rect{3, 4, 60, 50}))) << repeat;
    }
}

}  // namespace
}  // namespace dsp
