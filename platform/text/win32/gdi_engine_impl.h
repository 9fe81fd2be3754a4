#pragma once
// The GDI side of FontEngine (the Windows build): fonts are GDI fonts, glyphs
// are rendered anti-aliased by GetGlyphOutlineW and kept in the cache the way
// the FreeType side keeps its own. Code points the chosen font lacks come from
// the first Chinese face that has them: GDI itself links fonts only in some
// places, so the engine decides (GetGlyphIndicesW) rather than trusting it.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/font_engine.h"
#include "platform/text/rendered_glyph.h"

namespace dsp {

// A resolved TFont: the GDI font and its fallbacks at the same size.
struct FontInstance {
    void* primary = nullptr;       // HFONT
    std::vector<void*> fallbacks;  // HFONT, made on first need
    bool fallbacksMade = false;
    std::wstring faceName;
    int lfHeight = 0;
    bool bold = false, italic = false;
    TextMetrics metrics;
    Rect underline;  // relative to (pen x, cell top); left 0, right 1
    Rect strikeOut;
    std::unordered_map<char32_t, void*> chosen;  // code point -> the font drawing it
};

struct FontEngine::Impl {
    void* dc = nullptr;  // HDC: a memory DC to measure and render in
    std::map<std::string, std::unique_ptr<FontInstance>> instances;

    struct GlyphKey {
        void* font;
        char32_t cp;
        bool operator==(const GlyphKey&) const = default;
    };
    struct GlyphKeyHash {
        std::size_t operator()(const GlyphKey& k) const {
            return std::hash<const void*>()(k.font) ^ (std::size_t(k.cp) * 0x9E3779B97F4A7C15ull);
        }
    };
    std::unordered_map<GlyphKey, RenderedGlyph, GlyphKeyHash> glyphs;
    GlyphCacheStats stats;
    std::size_t maxGlyphs = FontEngine::kDefaultMaxGlyphs;

    Impl();
    ~Impl();
    FontInstance& Instance(const TFont& font);
    const RenderedGlyph& Glyph(FontInstance& font, char32_t cp);

  private:
    void* FontFor(FontInstance& font, char32_t cp);
    bool HasGlyph(void* font, char32_t cp);
    RenderedGlyph Render(void* font, char32_t cp);
    void MakeFallbacks(FontInstance& font);
};

}  // namespace dsp
