// Whatever engine draws the text (FreeType on Linux, GDI on Windows): the
// interface faces and Chinese text come out as ink with sane metrics, and a
// character the face lacks is drawn by the engine's Chinese fallback.

#include <gtest/gtest.h>

#include "platform/graphics/canvas.h"
#include "platform/text/font_engine.h"

namespace dsp {
namespace {

Bitmap Drawn(FontEngine& engine, const TFont& font, std::u32string_view text) {
    Bitmap picture(200, 60);
    Canvas canvas(picture);
    canvas.FillRect({0, 0, 200, 60}, clWhite);
    engine.DrawLine(canvas, font, {10, 10}, text, clBlack);
    return picture;
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    return true;
}

// Ink pixels (not the white background) inside `box` after drawing `text`.
int InkIn(FontEngine& engine, const TFont& font, std::u32string_view text, Rect& box) {
    const Bitmap picture = Drawn(engine, font, text);
    int ink = 0;
    box = {200, 60, 0, 0};
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (picture.GetPixel(x, y) == clWhite) continue;
            ++ink;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
        }
    }
    return ink;
}

TEST(TextEngine, LatinAndChineseFacesDrawInkWithinTheirCell) {
    FontEngine engine;
    for (const char* face : {"Tahoma", "Arial", "SimSun"}) {
        SCOPED_TRACE(face);
        const TFont font(face, -13);
        const TextMetrics m = engine.Metrics(font);
        EXPECT_GE(m.height, 13);
        EXPECT_LE(m.height, 20);
        EXPECT_EQ(m.ascent + m.descent, m.height);
        EXPECT_GT(m.aveCharWidth, 3);
        EXPECT_LT(m.aveCharWidth, 13);
        for (std::u32string_view text : {std::u32string_view(U"Hg"), std::u32string_view(U"中文")}) {
            Rect box;
            EXPECT_GT(InkIn(engine, font, text, box), 20);
            // Inside the cell drawn at (10, 10), with room for overhangs.
            EXPECT_GE(box.top, 10 - 2);
            EXPECT_LE(box.bottom, 10 + m.height + 2);
            EXPECT_GE(box.left, 10 - 2);
            EXPECT_LE(box.right, 10 + engine.TextWidth(font, text) + 2);
        }
        // Chinese characters are full width, twice a Latin letter or so, and
        // real glyphs: missing-glyph boxes would all look alike.
        EXPECT_GE(engine.CharWidth(font, U'中'), engine.CharWidth(font, U'x') * 3 / 2);
        EXPECT_FALSE(SamePixels(Drawn(engine, font, U"中"), Drawn(engine, font, U"文")));
    }
}

TEST(TextEngine, ALineIsAsWideAsItsCharactersAndCachesThem) {
    FontEngine engine;
    const TFont font("Tahoma", -11);
    const std::u32string text = U"状态: connected";
    int sum = 0;
    for (char32_t cp : text) sum += engine.CharWidth(font, cp);
    engine.ResetCacheStats();
    EXPECT_EQ(engine.TextWidth(font, text), sum);
    EXPECT_EQ(engine.CacheStats().misses, 0u);
    EXPECT_EQ(engine.TextExtent(font, "状态: connected").cx, sum);
}

}  // namespace
}  // namespace dsp
