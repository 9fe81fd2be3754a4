// Fonts and text: the two height conventions, face substitution and the
// Chinese fallback, the glyph cache, and the DrawText behaviours.

#include <gtest/gtest.h>

#include "platform/graphics/canvas.h"
#include "platform/text/draw_text.h"
#include "platform/text/text_layout.h"
#include "platform/text/utf8.h"

namespace dsp {
namespace {

// One engine for the whole program: opening faces is the slow part.
FontEngine& Engine() {
    static FontEngine engine;
    return engine;
}

// The bounding box of every pixel that is not `background`.
Rect Ink(const Bitmap& b, Color background = clWhite) {
    Rect r{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != background)
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                     std::max(r.bottom, y + 1)};
    return r.IsEmpty() ? Rect{} : r;
}

TEST(FontTest, PositiveHeightIsTheCellAndNegativeTheCharacterHeight) {
    for (int h : {8, 11, 13, 14, 20, 33}) {
        const TextMetrics cell = Engine().Metrics(TFont("Arial", h));
        EXPECT_EQ(cell.height, h);
        EXPECT_EQ(cell.ascent + cell.descent, h);
        const TextMetrics em = Engine().Metrics(TFont("Arial", -h));
        EXPECT_GT(em.height, h) << "cell of em " << h << " includes internal leading";
        EXPECT_EQ(em.internalLeading, em.height - h);
    }
    // The interface faces resolve to the same metric-compatible face.
    EXPECT_EQ(Engine().TextWidth(TFont("MS Sans Serif", -11), U"INPUT: AUTO"),
              Engine().TextWidth(TFont("Arial", -11), U"INPUT: AUTO"));
    EXPECT_GT(Engine().TextWidth(TFont("Arial", 14, fsBold), U"the quick brown fox"),
              Engine().TextWidth(TFont("Arial", 14), U"the quick brown fox"));
}

TEST(FontTest, ChineseFallsBackToAnInstalledFaceAndDraws) {
    const TFont arial("Arial", 14, 0, clBlack);
    for (char32_t cp : std::u32string(U"连接断开语言")) {
        const int w = Engine().CharWidth(arial, cp);
        EXPECT_GE(w, 11) << std::hex << unsigned(cp);
        EXPECT_LE(w, 15);
    }
    Bitmap b(60, 20, clWhite);
    Canvas c(b);
    Engine().TextOut(c, arial, {2, 2}, "连接");
    const Rect ink = Ink(b);
    EXPECT_GE(ink.Width(), 18);
    EXPECT_GE(ink.Height(), 9);
}

TEST(FontTest, GlyphsComeFromTheCacheAfterTheFirstUse) {
    FontEngine engine;
    const TFont font("Arial", 17);
    Bitmap b(200, 30);
    Canvas c(b);
    engine.TextOut(c, font, {0, 0}, "abcabc 语言");
    const GlyphCacheStats first = engine.CacheStats();
    EXPECT_EQ(first.glyphs, first.misses);
    engine.ResetCacheStats();
    engine.TextOut(c, font, {0, 0}, "cab 言语");
    EXPECT_EQ(engine.CacheStats().misses, 0u);
    EXPECT_EQ(engine.CacheStats().hits, 6u);
    engine.TextOut(c, TFont("Arial", 18), {0, 0}, "x");  // another size: a new glyph
    EXPECT_EQ(engine.CacheStats().misses, 1u);
}

TEST(FontTest, ABoundedCacheDrawsTheSame) {
    FontEngine small(4);
    const TFont font("Arial", 15, 0, clBlack);
    Bitmap a(300, 20, clWhite), b(300, 20, clWhite);
    Canvas ca(a), cb(b);
    const char* text = "abcdefghij 连接断开语言 abcdefghij";
    small.TextOut(ca, font, {0, 0}, text);
    Engine().TextOut(cb, font, {0, 0}, text);
    EXPECT_EQ(a, b);
    EXPECT_LE(small.CacheStats().glyphs, 4u);
}

TEST(Utf8Test, BadBytesBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8("a\xE8\xAF\xAD"), U"a语");
    EXPECT_EQ(DecodeUtf8("\xFF"
                         "b\xE8\xAF"),
              U"\uFFFDb\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xC0\x80"), U"\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(EncodeUtf8(U"专业DSP\U0001F600"), "专业DSP\xF0\x9F\x98\x80");
}

std::vector<std::u32string> Lines(const char* text, int width, unsigned format,
                                  const TFont& font = TFont("Arial", 14)) {
    std::vector<std::u32string> out;
    for (const TextLine& line : LayoutText(Engine(), font, DecodeUtf8(text), width, format)) {
        EXPECT_EQ(line.x.size(), line.text.size());
        out.push_back(line.text);
    }
    return out;
}

TEST(TextLayoutTest, AcceleratorPrefixes) {
    const std::vector<TextLine> lines =
        LayoutText(Engine(), TFont(), DecodeUtf8("&Connect R&&D &语言&"), 1000, kDtSingleLine);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, U"Connect R&D 语言");
    std::vector<std::size_t> marked;
    for (std::size_t i = 0; i < lines[0].marked.size(); ++i)
        if (lines[0].marked[i]) marked.push_back(i);
    EXPECT_EQ(marked, (std::vector<std::size_t>{0, 12}));
    EXPECT_EQ(Lines("R&&D &x", 1000, kDtSingleLine | kDtNoPrefix), (std::vector<std::u32string>{U"R&&D &x"}));
}

TEST(TextLayoutTest, EllipsesFitTheWidthAndKeepTheFileName) {
    const TFont font("Arial", 14);
    const int width = 120;
    for (unsigned form : {kDtEndEllipsis, kDtPathEllipsis}) {
        const auto lines =
            LayoutText(Engine(), font, DecodeUtf8("C:\\Program Files\\dsp panel\\skins\\skin.ini"), width,
                       kDtSingleLine | form);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_LE(lines[0].width, width);
        EXPECT_NE(lines[0].text.find(U"..."), std::u32string::npos);
        if (form == kDtPathEllipsis) {
            EXPECT_TRUE(lines[0].text.ends_with(U"...\\skin.ini")) << EncodeUtf8(lines[0].text);
            EXPECT_TRUE(lines[0].text.starts_with(U"C:\\")) << EncodeUtf8(lines[0].text);
        } else {
            EXPECT_TRUE(lines[0].text.ends_with(U"...")) << EncodeUtf8(lines[0].text);
        }
    }
    EXPECT_EQ(Lines("fits", 120, kDtSingleLine | kDtEndEllipsis), (std::vector<std::u32string>{U"fits"}));
    EXPECT_EQ(Lines("no separator here at all", 60, kDtSingleLine | kDtPathEllipsis).front().substr(0, 2),
              U"no");
}

TEST(TextLayoutTest, WordWrapBreaksAtSpacesAndBetweenChineseCharacters) {
    const TFont font("Arial", 14);
    const int width = 90;
    const auto lines = LayoutText(Engine(), font, DecodeUtf8("the quick brown fox jumps over\nthe dog"),
                                  width, kDtWordBreak);
    std::u32string joined;
    for (const TextLine& line : lines) {
        EXPECT_LE(line.width, width) << EncodeUtf8(line.text);
        EXPECT_FALSE(line.text.starts_with(U" ") || line.text.ends_with(U" "));
        joined += line.text + U"|";
    }
    EXPECT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.back().text, U"the dog");  // the hard break starts a line
    std::u32string words = joined;
    std::erase(words, U'|');
    std::erase(words, U' ');
    EXPECT_EQ(words, U"thequickbrownfoxjumpsoverthedog");

    const auto zh = Lines("中文文本在任意两个汉字之间换行。", 60, kDtWordBreak);
    EXPECT_GE(zh.size(), 3u);
    for (const auto& line : zh) EXPECT_NE(line.front(), U'。');
    // One word wider than the rectangle is cut between characters.
    for (const auto& line : Lines("Supercalifragilistic", 40, kDtWordBreak)) EXPECT_FALSE(line.empty());
    // Single line ignores breaks of every kind.
    EXPECT_EQ(Lines("a b\r\nc", 5, kDtSingleLine | kDtWordBreak), (std::vector<std::u32string>{U"a bc"}));
}

TEST(TextLayoutTest, TabsJumpToStopsOfEightAverageCharacters) {
    const TFont font("MS Sans Serif", -11);
    const int stop = 8 * Engine().Metrics(font).aveCharWidth;
    const auto lines = LayoutText(Engine(), font, U"MAIN\t31\tdB", 1000, kDtExpandTabs);
    ASSERT_EQ(lines[0].text.size(), 10u);
    EXPECT_EQ(lines[0].x[5], stop);
    EXPECT_EQ(lines[0].x[8], 2 * stop);
    const auto plain = LayoutText(Engine(), font, U"MAIN\t31", 1000, 0);
    EXPECT_EQ(plain[0].x[5], plain[0].x[4]);  // an unexpanded tab takes no room
}

TEST(DrawTextTest, AlignsAndCentresInsideTheRectangleAndClips) {
    const TFont font("Arial", 14, 0, clBlack);
    Bitmap b(200, 40, clWhite);
    Canvas c(b);
    Rect r{20, 5, 180, 35};
    Rect measure = r;
    const int h = DrawText(Engine(), c, font, "Centre", measure, kDtCalcRect | kDtSingleLine);
    EXPECT_EQ(h, 14);
    EXPECT_EQ(measure.Width(), Engine().TextExtent(font, "Centre").cx);
    EXPECT_EQ(Ink(b), Rect{}) << "measuring draws nothing";

    DrawText(Engine(), c, font, "Centre", r, kDtCenter | kDtSingleLine | kDtVCenter);
    const Rect ink = Ink(b);
    EXPECT_NEAR(ink.left - r.left, r.right - ink.right, 3);
    EXPECT_NEAR(ink.top - r.top, r.bottom - ink.bottom, 4);

    Bitmap right(200, 40, clWhite);
    Canvas rc(right);
    DrawText(Engine(), rc, font, "Right", r, kDtRight | kDtSingleLine);
    EXPECT_LE(Ink(right).right, r.right);
    EXPECT_GE(Ink(right).right, r.right - 2);

    Bitmap clipped(200, 40, clWhite);
    Canvas cc(clipped);
    Rect small{10, 10, 40, 20};
    DrawText(Engine(), cc, font, "much too long for the box", small, kDtSingleLine);
    EXPECT_TRUE(small.Contains(Ink(clipped)));
    Rect noClip = small;
    DrawText(Engine(), cc, font, "much too long for the box", noClip, kDtSingleLine | kDtNoClip);
    EXPECT_GT(Ink(clipped).right, small.right);
}

TEST(DrawTextTest, BackgroundIsTransparentUnlessGivenAndAcceleratorsAreUnderlined) {
    const TFont font("Arial", 14, 0, clBlack);
    Bitmap b(100, 20, clLime);
    Canvas c(b);
    Rect r = b.Bounds();
    DrawText(Engine(), c, font, "ab", r, kDtSingleLine);
    EXPECT_EQ(b.GetPixel(99, 19), clLime);
    EXPECT_EQ(b.GetPixel(1, 1), clLime);
    DrawText(Engine(), c, font, "ab", r, kDtSingleLine, clYellow);
    EXPECT_EQ(b.GetPixel(1, 1), clYellow);
    EXPECT_EQ(b.GetPixel(99, 1), clLime);  // only behind the text

    // "&x" and "x" differ only by the underline below the x.
    Bitmap plain(60, 20, clWhite), marked(60, 20, clWhite);
    Canvas pc(plain), mc(marked);
    Rect pr = plain.Bounds(), mr = marked.Bounds();
    DrawText(Engine(), pc, font, "Ax", pr, kDtSingleLine);
    DrawText(Engine(), mc, font, "A&x", mr, kDtSingleLine);
    const Rect stroke =
        Engine().UnderlineStroke(font, Engine().CharWidth(font, U'A'), Engine().CharWidth(font, U'x'));
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            if (plain.GetPixel(x, y) == marked.GetPixel(x, y)) continue;
            ++changed;
            EXPECT_TRUE(stroke.Contains(Point{x, y})) << x << "," << y;
        }
    EXPECT_GE(changed, Engine().CharWidth(font, U'x'));
    Bitmap hidden(60, 20, clWhite);
    Canvas hc(hidden);
    Rect hr = hidden.Bounds();
    DrawText(Engine(), hc, font, "A&x", hr, kDtSingleLine | kDtHidePrefix);
    EXPECT_EQ(hidden, plain);
}

TEST(FontTest, SettersFireOnChangeOnlyForRealChanges) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TFont&) { ++changes; };
    font.SetHeight(-11);  // the default: no change
    font.SetName("Arial");
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.SetStyle(fsBold);
    font = TFont("Arial", -11, fsBold);  // same values
    EXPECT_EQ(changes, 2);
    TFont copy = font;
    EXPECT_FALSE(copy.OnChange);
    EXPECT_TRUE(copy.SameAs(font));
}

}  // namespace
}  // namespace dsp
