// Pixel-exact checks of the canvas: fills, frames, lines, clipping and the
// picture copies.

#include "platform/graphics/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dsp {
namespace {

// The rows of a bitmap as characters, one per pixel, from a colour legend:
// a picture a failing test prints readably.
std::string Picture(const Bitmap& b, const std::vector<std::pair<Color, char>>& legend) {
    std::string out;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            char ch = '?';
            for (auto [c, l] : legend) {
                if (b.GetPixel(x, y) == c) ch = l;
            }
            out += ch;
        }
        out += '\n';
    }
    return out;
}

const std::vector<std::pair<Color, char>> kLegend = {{clBlack, '.'}, {clWhite, '#'}, {clRed, 'r'},
                                                     {clBlue, 'b'},  {clLime, 'g'},  {0xC0C0C0, 's'},
                                                     {0x808080, 'd'}};

TEST(CanvasTest, FillAndFrameLeaveRightAndBottomEdgesOut) {
    Bitmap b(6, 5);
    Canvas c(b);
    c.FillRect({1, 1, 4, 3}, clWhite);
    c.FrameRect({0, 0, 6, 5}, clRed);
    EXPECT_EQ(Picture(b, kLegend),
              "rrrrrr\n"
              "r###.r\n"
              "r###.r\n"
              "r....r\n"
              "rrrrrr\n");
}

TEST(CanvasTest, SystemColoursResolveThroughTheTable) {
    Bitmap b(2, 1);
    Canvas c(b);
    c.FillRect({0, 0, 1, 1}, clBtnFace);
    c.FillRect({1, 0, 2, 1}, clHighlight);
    EXPECT_EQ(b.GetPixel(0, 0), 0xC0C0C0u);
    EXPECT_EQ(b.GetPixel(1, 0), 0x800000u);
    EXPECT_EQ(ResolveColor(cl3DDkShadow), 0x404040u);
    EXPECT_EQ(ResolveColor(clBtnShadow), 0x808080u);
    EXPECT_EQ(ResolveColor(0xFF0000FFu), clBlack);  // unknown index
    EXPECT_EQ(ResolveColor(0x12345678u), 0x345678u);
}

TEST(CanvasTest, ThreeDRectGivesTheOuterCornersToTheBottomRightColour) {
    Bitmap b(4, 4);
    Canvas c(b);
    c.Draw3DRect(b.Bounds(), clWhite, clRed);
    EXPECT_EQ(Picture(b, kLegend),
              "###r\n"
              "#..r\n"
              "#..r\n"
              "rrrr\n");
}

TEST(CanvasTest, LinesLeaveOutTheirEndPixel) {
    Bitmap b(5, 4);
    Canvas c(b);
    c.DrawLine({0, 0}, {4, 0}, clWhite);
    c.DrawLine({4, 3}, {0, 3}, clRed);
    c.DrawLine({0, 1}, {3, 2}, clBlue);
    c.DrawLine({2, 2}, {2, 2}, clLime);  // empty line: nothing at all
    EXPECT_EQ(Picture(b, kLegend),
              "####.\n"
              "bb...\n"
              "..b..\n"
              ".rrrr\n");
    c.SetPenColor(clLime);
    c.MoveTo({4, 0});
    c.LineTo({4, 3});
    EXPECT_EQ(c.PenPos(), (Point{4, 3}));
    EXPECT_EQ(b.GetPixel(4, 2), clLime);
    EXPECT_EQ(b.GetPixel(4, 3), clRed);

    // The arrow of a spin button: rows of 1, 3, 5 pixels as three lines.
    Bitmap arrow(5, 3);
    Canvas a(arrow);
    const Point tri[] = {{2, 0}, {3, 0}};
    a.Polyline(tri, clWhite);
    a.DrawLine({1, 1}, {4, 1}, clWhite);
    a.DrawLine({0, 2}, {5, 2}, clWhite);
    const Point box[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}};
    Bitmap outline(5, 3);
    Canvas o(outline);
    o.Polyline(box, clRed);
    EXPECT_EQ(Picture(arrow, kLegend) + Picture(outline, kLegend),
              "..#..\n"
              ".###.\n"
              "#####\n"
              "rrrrr\n"
              "r...r\n"
              "rrrrr\n");
}

TEST(CanvasTest, FocusRectIsDottedAndUndoesItself) {
    Bitmap b(5, 4);
    Canvas c(b);
    c.DrawFocusRect(b.Bounds());
    EXPECT_EQ(Picture(b, kLegend),
              "#.#.#\n"
              ".....\n"
              "#...#\n"
              ".#.#.\n");
    c.DrawFocusRect(b.Bounds());
    EXPECT_EQ(b, Bitmap(5, 4));
}

TEST(CanvasTest, ClipStackNarrowsAndRestores) {
    Bitmap b(6, 3);
    Canvas c(b);
    c.PushClip(Rect{1, 0, 5, 3});
    c.PushClip(Rect{3, 1, 9, 2});
    c.FillRect(b.Bounds(), clWhite);
    c.PopClip();
    c.ExcludeClip({2, 0, 4, 3});
    c.FillRect({0, 2, 6, 3}, clRed);
    EXPECT_EQ(c.ClipRegion().Rects().size(), 2u);
    EXPECT_FALSE(c.IsVisible({2, 2}));
    c.PopClip();
    c.PopClip();  // the bitmap's own clip stays
    EXPECT_EQ(c.ClipDepth(), 1);
    c.SetPixel({0, 0}, clBlue);
    EXPECT_EQ(Picture(b, kLegend),
              "b.....\n"
              "...##.\n"
              ".r..r.\n");
}

TEST(CanvasTest, RegionClipCutsFillsAndCopiesIntoPieces) {
    Bitmap b(5, 3);
    Canvas c(b);
    c.SetOrigin({1, 0});
    const Rect parts[] = {{-1, 0, 1, 3}, {2, 1, 4, 2}};
    c.PushClip(Region::FromRects(parts));  // logical: shifted by the origin
    c.FillRect({-1, 0, 4, 3}, clWhite);
    Bitmap red(5, 3, clRed);
    c.CopyRect({-1, 2}, red, red.Bounds());
    EXPECT_EQ(Picture(b, kLegend),
              "##...\n"
              "##.##\n"
              "rr...\n");
}

TEST(CanvasTest, OriginShiftsDrawingAndClips) {
    Bitmap b(4, 4);
    Canvas c(b);
    c.SetOrigin({2, 1});
    {
        ClipScope scope(c, Rect{0, 0, 1, 2});
        c.FillRect({-5, -5, 5, 5}, clWhite);
        EXPECT_EQ(c.ClipBox(), (Rect{0, 0, 1, 2}));
    }
    EXPECT_EQ(c.GetPixel({0, 0}), clWhite);
    EXPECT_EQ(c.GetPixel({-3, 0}), kInvalidColor);
    EXPECT_EQ(Picture(b, kLegend),
              "....\n"
              "..#.\n"
              "..#.\n"
              "....\n");
}

// A 3 x 2 source with six distinct colours.
Bitmap Source() {
    Bitmap s(3, 2);
    const Color colours[] = {clWhite, clRed, clBlue, clLime, 0xC0C0C0, 0x808080};
    for (int i = 0; i < 6; ++i) s.SetPixel(i % 3, i / 3, colours[i]);
    return s;
}

TEST(CanvasBlitTest, CopyClipsToSourceAndTarget) {
    Bitmap b(4, 3);
    Canvas c(b);
    c.CopyRect({-1, 1}, Source(), {0, 0, 5, 2});  // wider than the source, off the left edge
    EXPECT_EQ(Picture(b, kLegend),
              "....\n"
              "rb..\n"
              "sd..\n");
}

TEST(CanvasBlitTest, OverlappingCopyWithinOneBitmapReadsTheOldPicture) {
    Bitmap b = Source();
    Canvas c(b);
    c.CopyRect({1, 0}, b, {0, 0, 2, 2});
    EXPECT_EQ(Picture(b, kLegend),
              "##r\n"
              "ggs\n");
}

TEST(CanvasBlitTest, StretchSamplesNearestPixelCentres) {
    Bitmap b(6, 2);
    Canvas c(b);
    c.StretchDraw(b.Bounds(), Source(), {0, 0, 3, 1});  // 3 -> 6: each pixel twice
    EXPECT_EQ(Picture(b, kLegend),
              "##rrbb\n"
              "##rrbb\n");
    Bitmap shrink(2, 1);
    Canvas s(shrink);
    // 3 -> 2: destination 0 samples source floor(3/4) = 0, 1 samples floor(9/4) = 2.
    s.StretchDraw(shrink.Bounds(), Source(), {0, 0, 3, 1});
    EXPECT_EQ(Picture(shrink, kLegend), "#b\n");
    Bitmap five(5, 1);
    Canvas f(five);
    f.StretchDraw(five.Bounds(), Source(), {0, 0, 3, 1});  // 3 -> 5: centres 0.3 0.9 1.5 2.1 2.7
    EXPECT_EQ(Picture(five, kLegend), "##rbb\n");
    // A destination a billion pixels wide, nearly all of it off the bitmap:
    // only the visible columns are sampled (the middle third is red).
    Bitmap strip(4, 1);
    Canvas st(strip);
    st.StretchDraw({-500000000, 0, 500000000, 1}, Source(), {0, 0, 3, 1});
    EXPECT_EQ(Picture(strip, kLegend), "rrrr\n");
}

TEST(CanvasBlitTest, TransparentCopiesSkipTheKeyColour) {
    Bitmap b(3, 2, clLime);
    Canvas c(b);
    Bitmap s = Source();
    s.SetPixel(1, 0, clFuchsia);
    c.DrawTransparent({0, 0}, s, s.Bounds(), clFuchsia);
    EXPECT_EQ(Picture(b, kLegend),
              "#gb\n"
              "gsd\n");
    Bitmap wide(6, 1, clBlack);
    Canvas w(wide);
    w.StretchTransparent(wide.Bounds(), s, {0, 0, 3, 1}, clFuchsia);
    EXPECT_EQ(Picture(wide, kLegend), "##..bb\n");
}

TEST(CanvasBlitTest, TilesRepeatFromTheTopLeftAndCutTheLastCopy) {
    Bitmap b(8, 3);
    Canvas c(b);
    c.TileDraw({1, 0, 6, 3}, Source(), {0, 0, 3, 2});
    EXPECT_EQ(Picture(b, kLegend),
              ".#rb#r..\n"
              ".gsdgs..\n"
              ".#rb#r..\n");
}

TEST(CanvasBlitTest, CoverageBlendsTowardsTheColour) {
    Bitmap b(3, 1, clBlack);
    Canvas c(b);
    const std::uint8_t coverage[] = {0, 128, 255};
    c.BlendCoverage({0, 0}, coverage, 3, 1, 3, clWhite);
    EXPECT_EQ(b.GetPixel(0, 0), clBlack);
    EXPECT_EQ(b.GetPixel(1, 0), 0x808080u);
    EXPECT_EQ(b.GetPixel(2, 0), clWhite);
}

// Every pair of channel values at every weight of every mix size: the
// integer loop matches the rounded exact quotient (halves up), and only
// visible pixels change. The clip gives rows of every kind the loop has:
// whole blocks and a last one overlapping, and rows shorter than a block.
TEST(CanvasBlitTest, MixRoundsEveryChannelPairLikeTheExactQuotient) {
    Bitmap from(256, 256), to(256, 256);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            from.SetPixel(x, y, MakeColor(std::uint8_t(x), std::uint8_t(y), 0));
            to.SetPixel(x, y, MakeColor(std::uint8_t(y), std::uint8_t(x), 255));
        }
    }
    for (int parts = 1; parts <= Canvas::kMaxMixParts; ++parts) {
        for (int part = 0; part <= parts; ++part) {
            Bitmap out(256, 256, clWhite);
            Canvas c(out);
            const Rect rows[] = {{0, 0, 256, 100}, {0, 100, 253, 200}, {3, 200, 10, 255}};
            const Region clip = Region::FromRects(rows);
            c.PushClip(clip);
            c.DrawMix({0, 0}, from, to, part, parts);
            const auto mixed = [&](int a, int b) { return ((parts - part) * a + part * b) * 2 + parts; };
            for (int y = 0; y < 256; ++y) {
                for (int x = 0; x < 256; ++x) {
                    const Color want = MakeColor(std::uint8_t(mixed(x, y) / (2 * parts)),
                                                 std::uint8_t(mixed(y, x) / (2 * parts)),
                                                 std::uint8_t(mixed(0, 255) / (2 * parts)));
                    ASSERT_EQ(out.GetPixel(x, y), clip.Contains({x, y}) ? want : clWhite)
                        << parts << " " << part << " " << x << " " << y;
                }
            }
        }
    }
}

// Every coverage over a row of varied pixels: each channel moves to the
// colour by k / 255, rounded to the nearest; no coverage leaves the whole
// pixel word as it was, full coverage gives the colour.
TEST(CanvasBlitTest, CoverageBlendsEveryLevelLikeTheRoundedQuotient) {
    std::vector<std::uint8_t> coverage(256);
    for (int k = 0; k < 256; ++k) coverage[std::size_t(k)] = std::uint8_t(k);
    for (const Color color : {Color(0x3C9AF1), clWhite, clBlack}) {
        Bitmap out(256, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 256; ++x)
                out.Row(y)[x] = Pixel(0xAB000000u) | Pixel(x * 0x010305u + y * 0x4D);
        }
        const Bitmap before = out;
        Canvas c(out);
        c.BlendCoverage({0, 1}, coverage.data(), 256, 1, 256, color);
        const Pixel to = ColorToPixel(color);
        for (int k = 0; k < 256; ++k) {
            const Pixel p = before.Row(1)[k];
            const auto channel = [&](int shift) {
                const int from = int(p >> shift) & 0xFF, want = int(to >> shift) & 0xFF;
                return Pixel((from * (255 - k) + want * k + 127) / 255) << shift;
            };
            const Pixel want = k == 0 ? p : (channel(16) | channel(8) | channel(0));
            ASSERT_EQ(out.Row(1)[k], want) << k;
        }
        EXPECT_TRUE(std::equal(out.Row(0), out.Row(0) + 256, before.Row(0)));  // outside the mask
    }
}

TEST(BitmapTest, SizesAreCappedAndRowsConvertTo24Bit) {
    EXPECT_THROW(Bitmap(kMaxBitmapSide + 1, 1), std::invalid_argument);
    EXPECT_THROW(Bitmap(-1, 5), std::invalid_argument);
    EXPECT_TRUE(Bitmap(0, 7).Empty());
    Bitmap b = Source();
    std::uint8_t row[9];
    b.ReadRow24(0, row);
    EXPECT_EQ(row[3], 0x00);  // red pixel: blue, green, red
    EXPECT_EQ(row[5], 0xFF);
    Bitmap copy(3, 2);
    copy.WriteRow24(0, row);
    b.ReadRow24(1, row);
    copy.WriteRow24(1, row);
    EXPECT_EQ(copy, b);
    EXPECT_EQ(b.GetPixel(3, 0), kInvalidColor);
}

// Pictures are filled and copied by blocks: every pixel of odd sizes gets
// the fill, the last one too, and a copy takes another size whole.
TEST(BitmapTest, FillsAndCopiesReachEveryPixel) {
    for (const Size size : {Size{1, 1}, Size{17, 3}, Size{101, 37}}) {
        Bitmap b(size.cx, size.cy, clRed);
        const auto all = [](const Bitmap& p, Color c) {
            const std::size_t n = std::size_t(p.Width()) * std::size_t(p.Height());
            return std::all_of(p.Data(), p.Data() + n, [&](Pixel x) { return x == ColorToPixel(c); });
        };
        EXPECT_TRUE(all(b, clRed));
        b.SetPixel(size.cx - 1, size.cy - 1, clBlue);
        Bitmap assigned(2, 2);
        assigned = b;
        EXPECT_EQ(assigned, b);
        EXPECT_EQ(Bitmap(b), b);
        b.Fill(clLime);
        EXPECT_TRUE(all(b, clLime));
    }
}

}  // namespace
}  // namespace dsp
