// The 24-bit effect bitmap: its row layout, the seven morph kinds, the six
// effects and the flipped copy.
#include "skin/compose/effect_bmp.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

Color Gray(int v) { return Color(v) * 0x010101u; }

// A picture whose pixel (x, y) is gray(f(x, y)).
template <class F>
TbsEffectBmp GrayPicture(int width, int height, F&& f) {
    TbsEffectBmp b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, Gray(f(x, y)));
    return b;
}

// The red channel of each pixel of row y (or of column 0, downwards).
std::vector<int> RowValues(const TbsEffectBmp& b, int y = 0) {
    std::vector<int> v;
    for (int x = 0; x < b.Width(); ++x) v.push_back(int(b.GetPixel(x, y) & 0xFF));
    return v;
}
std::vector<int> ColumnValues(const TbsEffectBmp& b) {
    std::vector<int> v;
    for (int y = 0; y < b.Height(); ++y) v.push_back(int(b.GetPixel(0, y) & 0xFF));
    return v;
}

TEST(EffectBmp, RowsArePaddedToFourBytes) {
    const int want[] = {0, 4, 8, 12, 12, 16, 20, 24, 24};
    for (int w = 0; w <= 8; ++w) {
        TbsEffectBmp b(w, 3);
        EXPECT_EQ(b.RowLength(), want[w]) << w;
        EXPECT_EQ(b.Size(), std::size_t(want[w]) * 3);
    }
    const auto header = TbsEffectBmp(5, 3).InfoHeader();
    EXPECT_EQ(header[8], 0xFD);  // height -3: rows top-down
    EXPECT_EQ(header[14], 24);
}

TEST(EffectBmp, PixelsAreBlueGreenRedFromABitmap) {
    Bitmap picture(3, 2, clWhite);
    picture.SetPixel(1, 1, 0x00332211);  // red 0x11, green 0x22, blue 0x33
    TbsEffectBmp b(picture);
    EXPECT_EQ(b.GetPixel(1, 1), 0x00332211u);
    const std::uint8_t* p = b.Row(1) + 3;
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(b.ToBitmap(), picture);
    EXPECT_EQ(b.GetPixel(3, 0), kInvalidColor);
    b.SetPixel(-1, 0, clBlack);  // ignored
    Bitmap target(5, 4, clBlack);
    Canvas canvas(target);
    b.Draw(canvas, {2, 2});
    EXPECT_EQ(target.GetPixel(3, 3), 0x00332211u);
    EXPECT_EQ(target.GetPixel(2, 2), clWhite);
    EXPECT_EQ(target.GetPixel(1, 1), clBlack);
}

TEST(EffectBmp, DefaultMorphWithKClamped) {
    const TbsEffectBmp self = GrayPicture(10, 10, [](int x, int y) { return x * 20 + y; });
    const TbsEffectBmp other = GrayPicture(10, 10, [](int x, int y) { return 250 - x * 20 - y; });
    TbsEffectBmp b = self;
    b.Morph(TbsMorphKind::mkDefault, other, 0.0);
    EXPECT_EQ(b, self);
    b.Morph(TbsMorphKind::mkDefault, other, 1.0);
    EXPECT_EQ(b, other);
    b = self;
    b.Morph(TbsMorphKind::mkDefault, other, 1.5);
    EXPECT_EQ(b, other);
    b = self;
    b.Morph(TbsMorphKind::mkDefault, other, -2.0);
    EXPECT_EQ(b, self);
    // Halfway, 0 and 255 meet at 127.5, which rounds to the even 128.
    TbsEffectBmp black(2, 1), white = GrayPicture(2, 1, [](int, int) { return 255; });
    black.Morph(TbsMorphKind::mkDefault, white, 0.5);
    EXPECT_EQ(RowValues(black), (std::vector<int>{128, 128}));
}

TEST(EffectBmp, PicturesOfDifferentSizesDoNotBlend) {
    const TbsEffectBmp self = GrayPicture(10, 10, [](int x, int) { return x; });
    const TbsEffectBmp other = GrayPicture(10, 9, [](int, int) { return 200; });
    for (TbsMorphKind kind : {TbsMorphKind::mkDefault, TbsMorphKind::mkGradient, TbsMorphKind::mkLeftGradient,
                              TbsMorphKind::mkRightGradient, TbsMorphKind::mkLeftSlide,
                              TbsMorphKind::mkRightSlide, TbsMorphKind::mkPush}) {
        TbsEffectBmp b = self;
        b.Morph(kind, other, 0.5);
        EXPECT_EQ(b, self) << int(kind);
    }
}

// Black self, other at 200: a column's value shows its weight.
TEST(EffectBmp, GradientsAtHalfway) {
    const TbsEffectBmp other = GrayPicture(10, 2, [](int, int) { return 200; });
    TbsEffectBmp b(10, 2);
    b.Morph(TbsMorphKind::mkLeftGradient, other, 0.5);
    EXPECT_EQ(RowValues(b, 1), (std::vector<int>{200, 160, 120, 80, 40, 0, 0, 0, 0, 0}));
    b = TbsEffectBmp(10, 2);
    b.Morph(TbsMorphKind::mkRightGradient, other, 0.5);
    EXPECT_EQ(RowValues(b, 1), (std::vector<int>{0, 0, 0, 0, 0, 40, 80, 120, 160, 200}));
    // Centre gradient across: band 3..7 from other, fading out over two columns.
    b = TbsEffectBmp(10, 2);
    b.Morph(TbsMorphKind::mkGradient, other, 0.5);
    EXPECT_EQ(RowValues(b, 1), (std::vector<int>{0, 0, 100, 200, 200, 200, 200, 200, 100, 0}));
    // The same down the rows of a tall picture.
    TbsEffectBmp tall(1, 10);
    tall.Morph(TbsMorphKind::mkGradient, GrayPicture(1, 10, [](int, int) { return 200; }), 0.5);
    EXPECT_EQ(ColumnValues(tall), (std::vector<int>{0, 0, 100, 200, 200, 200, 200, 200, 100, 0}));
}

// The row form's fade is one pixel shorter: at 3 pixels and k = 1/3 it has
// no length and shows other throughout, where the column form fades.
TEST(EffectBmp, CentreGradientRowsWithoutFadeLength) {
    TbsEffectBmp wide(3, 1);
    wide.Morph(TbsMorphKind::mkGradient, GrayPicture(3, 1, [](int, int) { return 200; }), 1.0 / 3);
    EXPECT_EQ(RowValues(wide), (std::vector<int>{0, 200, 0}));
    TbsEffectBmp tall(1, 3);
    tall.Morph(TbsMorphKind::mkGradient, GrayPicture(1, 3, [](int, int) { return 200; }), 1.0 / 3);
    EXPECT_EQ(ColumnValues(tall), (std::vector<int>{200, 200, 200}));
}

TEST(EffectBmp, SlidesAndPushTakeOthersColumns) {
    const TbsEffectBmp self = GrayPicture(10, 1, [](int x, int) { return x; });
    const TbsEffectBmp other = GrayPicture(10, 1, [](int x, int) { return 100 + x; });
    TbsEffectBmp b = self;
    b.Morph(TbsMorphKind::mkLeftSlide, other, 0.5);
    EXPECT_EQ(RowValues(b), (std::vector<int>{105, 106, 107, 108, 109, 5, 6, 7, 8, 9}));
    b = self;
    b.Morph(TbsMorphKind::mkRightSlide, other, 0.5);
    EXPECT_EQ(RowValues(b), (std::vector<int>{0, 1, 2, 3, 4, 100, 101, 102, 103, 104}));
    b = self;
    b.Morph(TbsMorphKind::mkPush, other, 0.5);
    EXPECT_EQ(RowValues(b), (std::vector<int>{104, 105, 106, 107, 108, 109, 0, 1, 2, 3}));
    b = self;
    b.Morph(TbsMorphKind::mkPush, other, 1.0);
    EXPECT_EQ(b, other);
    // A slide never takes fewer than one column, nor the whole width.
    b = self;
    b.Morph(TbsMorphKind::mkLeftSlide, other, 0.0);
    EXPECT_EQ(RowValues(b)[0], 109);
    EXPECT_EQ(RowValues(b)[1], 1);
    b = self;
    b.Morph(TbsMorphKind::mkRightSlide, other, 1.0);
    EXPECT_EQ(RowValues(b)[0], 0);
    EXPECT_EQ(RowValues(b)[9], 108);
}

// One column is the narrowest the column kinds accept: counts clamp to 0.
TEST(EffectBmp, OneColumnWide) {
    const TbsEffectBmp self = GrayPicture(1, 4, [](int, int) { return 10; });
    const TbsEffectBmp other = GrayPicture(1, 4, [](int, int) { return 90; });
    auto morph = [&](TbsMorphKind kind) {
        TbsEffectBmp b = self;
        b.Morph(kind, other, 0.5);
        return ColumnValues(b);
    };
    EXPECT_EQ(morph(TbsMorphKind::mkLeftSlide), (std::vector<int>{10, 10, 10, 10}));
    EXPECT_EQ(morph(TbsMorphKind::mkRightSlide), (std::vector<int>{10, 10, 10, 10}));
    EXPECT_EQ(morph(TbsMorphKind::mkPush), (std::vector<int>{90, 90, 90, 90}));
    EXPECT_EQ(morph(TbsMorphKind::mkLeftGradient), (std::vector<int>{90, 90, 90, 90}));
    EXPECT_EQ(morph(TbsMorphKind::mkRightGradient), (std::vector<int>{90, 90, 90, 90}));
}

TEST(EffectBmp, BrightnessDarknessGrayscaleInvert) {
    TbsEffectBmp b = GrayPicture(3, 1, [](int x, int) { return x == 0 ? 0 : x == 1 ? 255 : 100; });
    TbsEffectBmp lighter = b;
    lighter.Brightness(0.5);
    EXPECT_EQ(RowValues(lighter), (std::vector<int>{128, 255, 178}));  // 127.5 -> 128, 177.5 -> 178
    TbsEffectBmp darker = b;
    darker.Darkness(0.3);
    EXPECT_EQ(RowValues(darker), (std::vector<int>{0, 178, 70}));  // 178.5 -> 178
    darker = b;
    darker.Darkness(7.0);  // k clamped to 1
    EXPECT_EQ(RowValues(darker), (std::vector<int>{0, 0, 0}));

    TbsEffectBmp gray = b;
    gray.SetPixel(2, 0, 0x00204080);  // red 128, green 64, blue 32
    gray.Grayscale();
    EXPECT_EQ(gray.GetPixel(0, 0), Gray(0));
    EXPECT_EQ(gray.GetPixel(1, 0), Gray(255));
    EXPECT_EQ(gray.GetPixel(2, 0), Gray(80));  // 38.4 + 37.76 + 3.52 = 79.68

    TbsEffectBmp inverted = GrayPicture(5, 3, [](int x, int y) { return x * 40 + y * 7; });
    inverted.SetPixel(1, 1, 0x00123456);
    const TbsEffectBmp before = inverted;
    inverted.Invert();
    EXPECT_EQ(inverted.GetPixel(1, 1), 0x00EDCBA9u);
    inverted.Invert();
    EXPECT_EQ(inverted, before);
}

TEST(EffectBmp, NoiseMovesAllThreeChannelsTogetherWithinItsRange) {
    TbsEffectBmp b = GrayPicture(20, 20, [](int, int) { return 128; });
    std::mt19937 random(7);
    b.Noise(50, random);
    bool moved = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Color c = b.GetPixel(x, y);
            const int r = int(c & 0xFF);
            EXPECT_EQ(c, Gray(r));
            EXPECT_GE(r, 128 - 25);
            EXPECT_LE(r, 128 + 24);
            moved = moved || r != 128;
        }
    }
    EXPECT_TRUE(moved);
    TbsEffectBmp still = GrayPicture(4, 4, [](int, int) { return 250; });
    const TbsEffectBmp copy = still;
    still.Noise(0, random);
    EXPECT_EQ(still, copy);
}

// In place, top row first: later pixels read the ones already blurred.
TEST(EffectBmp, SplitBlurInPlace) {
    TbsEffectBmp b = GrayPicture(2, 2, [](int x, int y) { return 40 * x + 80 * y; });
    b.SplitBlur(1);
    EXPECT_EQ(RowValues(b, 0), (std::vector<int>{60, 75}));
    EXPECT_EQ(RowValues(b, 1), (std::vector<int>{83, 84}));
    // An offset of 0, or one that would fold outside the picture, leaves it alone.
    const TbsEffectBmp narrow = GrayPicture(1, 5, [](int, int y) { return y * 30; });
    for (int offset : {0, 1, 5}) {
        TbsEffectBmp n = narrow;
        n.SplitBlur(offset);
        EXPECT_EQ(n, narrow) << offset;
    }
}

TEST(EffectBmp, CopyFlippedTurnsRowsOver) {
    const TbsEffectBmp b = GrayPicture(3, 4, [](int x, int y) { return 10 * y + x; });
    TbsEffectBmp target(7, 1);  // takes the source's size
    b.CopyFlipped(target);
    ASSERT_EQ(target.Width(), 3);
    ASSERT_EQ(target.Height(), 4);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(RowValues(target, y), RowValues(b, 3 - y));
    TbsEffectBmp self = b;
    self.CopyFlipped(self);
    EXPECT_EQ(self, target);
}

}  // namespace
}  // namespace dsp
