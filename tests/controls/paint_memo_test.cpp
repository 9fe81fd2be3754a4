// Pictures kept between paints: a replayed picture is always the one a fresh
// paint would give, and a kept body is composed again only when its size,
// variant or skin changes.
#include "controls/look/paint_memo.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

// A look that depends on what lies behind it: each pixel inverted, so a
// stale replay over other pixels shows.
void Invert(Canvas& canvas, int& draws) {
    ++draws;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) canvas.SetPixel({x, y}, canvas.GetPixel({x, y}) ^ 0xFFFFFFu);
}

Bitmap Pattern(Color seed) {
    Bitmap b(10, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) b.SetPixel(x, y, seed + Color(x * 16 + y));
    return b;
}

// Paints the 6 x 4 control at (2, 3) of `screen`, through the memo or
// straight, and returns what the screen shows.
Bitmap PaintOn(Bitmap screen, PaintMemo* memo, bool sameLook, int& draws, std::optional<Rect> clip = {}) {
    Canvas canvas(screen);
    if (clip) canvas.PushClip(*clip);
    canvas.SetOrigin({2, 3});
    if (memo) {
        memo->Paint(canvas, {6, 4}, sameLook, [&] { Invert(canvas, draws); });
    } else {
        Invert(canvas, draws);
    }
    return screen;
}

TEST(PaintMemoTest, ReplaysOnlyTheSameLookOverTheSamePixels) {
    PaintMemo memo;
    int draws = 0, direct = 0;
    const Bitmap a = Pattern(0x102030), b = Pattern(0x405060);
    EXPECT_EQ(PaintOn(a, &memo, false, draws), PaintOn(a, nullptr, false, direct));
    EXPECT_EQ(PaintOn(a, &memo, true, draws), PaintOn(a, nullptr, false, direct));
    EXPECT_EQ(draws, 1);  // replayed
    EXPECT_EQ(PaintOn(b, &memo, true, draws), PaintOn(b, nullptr, false, direct));
    EXPECT_EQ(draws, 2);  // other pixels behind
    EXPECT_EQ(PaintOn(b, &memo, false, draws), PaintOn(b, nullptr, false, direct));
    EXPECT_EQ(draws, 3);  // another look
    // A paint that sees part of the control draws and keeps nothing.
    const Rect part{0, 0, 5, 8};
    EXPECT_EQ(PaintOn(a, &memo, true, draws, part), PaintOn(a, nullptr, false, direct, part));
    EXPECT_EQ(draws, 4);
    EXPECT_EQ(PaintOn(b, &memo, true, draws), PaintOn(b, nullptr, false, direct));
    EXPECT_EQ(draws, 4);  // still the picture kept over `b`
}

TEST(PaintMemoTest, BodyIsComposedOncePerSizeAndVariantUntilForgotten) {
    BodyCache cache;
    int composed = 0;
    const auto compose = [&](Canvas& c) {
        ++composed;
        c.FillRect({1, 1, 3, 3}, clRed);
    };
    const Bitmap& body = cache.Get({4, 5}, 0, compose);
    EXPECT_EQ(body.GetPixel(0, 0), Bitmap(1, 1, clBtnFace).GetPixel(0, 0));  // over the button face
    EXPECT_EQ(body.GetPixel(2, 2), Bitmap(1, 1, clRed).GetPixel(0, 0));
    cache.Get({4, 5}, 0, compose);
    EXPECT_EQ(composed, 1);
    cache.Get({4, 6}, 0, compose);
    cache.Get({4, 6}, 1, compose);
    EXPECT_EQ(composed, 3);
    cache.Forget();
    EXPECT_EQ(cache.Get({4, 6}, 1, compose).Height(), 6);
    EXPECT_EQ(composed, 4);
}

}  // namespace
}  // namespace dsp
