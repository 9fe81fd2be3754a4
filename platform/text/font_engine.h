#pragma once
// FontEngine: fonts as FreeType faces, text measured and drawn in them.
// A TFont resolves once (through fontconfig) to a face and a pixel size; each
// glyph is rendered anti-aliased once and kept in a cache keyed by face, size,
// synthetic style and code point, then blended onto the canvas in the text
// colour. Glyphs the chosen face lacks come from the Chinese face, or from
// whichever installed face has them.
//
// The application owns one engine; it is not thread-safe (all drawing runs on
// the user-interface thread).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/graphics/canvas.h"
#include "platform/text/font.h"

namespace dsp {

// In pixels, as the platform reports a font's metrics.
struct TextMetrics {
    int height = 0;  // cell height: ascent + descent
    int ascent = 0;  // baseline below the cell top
    int descent = 0;
    int internalLeading = 0;  // height minus the em size
    int aveCharWidth = 0;     // advance of "x"
};

struct GlyphCacheStats {
    std::uint64_t hits = 0;
    std::uint64_t misses = 0;
    std::uint64_t fromFile = 0;  // misses answered by the glyph file kept between runs
    std::size_t glyphs = 0;
};

class FontEngine {
  public:
    // The cache starts afresh when it would hold more than `maxGlyphs`
    // glyphs, which bounds its memory whatever text comes along.
    explicit FontEngine(std::size_t maxGlyphs = kDefaultMaxGlyphs);
    ~FontEngine();
    static constexpr std::size_t kDefaultMaxGlyphs = 8192;
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

    TextMetrics Metrics(const TFont& font);
    int CharWidth(const TFont& font, char32_t cp);
    int TextWidth(const TFont& font, std::u32string_view text);
    // One line of UTF-8 text: its width and the font's cell height.
    Size TextExtent(const TFont& font, std::string_view text);

    // Draws one line of code points with the top of its cell at `cell`,
    // transparent, in `color`; underline and strike-out follow the font's
    // style. Tabs and line breaks are not interpreted here (see DrawText).
    void DrawLine(Canvas& canvas, const TFont& font, Point cell, std::u32string_view text, Color color);
    // TextOut: DrawLine of UTF-8 text in the font's colour.
    void TextOut(Canvas& canvas, const TFont& font, Point cell, std::string_view text);
    // The underline stroke of the font, relative to the cell top: the
    // accelerator marks of DrawText use it too.
    Rect UnderlineStroke(const TFont& font, int x, int width);

    GlyphCacheStats CacheStats() const;
    void ResetCacheStats();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dsp
