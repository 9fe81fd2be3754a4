#pragma once
// The FreeType side of FontEngine, shared by its source files; the Windows
// build has the GDI side instead.

#if defined(_WIN32)
#include "platform/text/win32/gdi_engine_impl.h"
#else

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text/font_engine.h"
#include "platform/text/font_resolver.h"
#include "platform/text/glyph_file.h"

namespace dsp {

// One face at one size, with the styles FreeType has to imitate.
struct SizedFace {
    FT_Face face = nullptr;
    FT_Size size = nullptr;
    bool fakeBold = false;
    bool fakeItalic = false;
    FT_F26Dot6 em = 0;
    std::uint32_t stored = 0;  // the face file's number in the glyph file
};

// A resolved TFont.
struct FontInstance {
    SizedFace primary;
    SizedFace cjk;  // same size, for the glyphs the primary lacks
    FT_F26Dot6 em = 0;
    TextMetrics metrics;
    Rect underline;  // relative to (pen x, cell top); left 0, right 1
    Rect strikeOut;
    std::unordered_map<char32_t, SizedFace> otherFallbacks;
    // The glyphs of the code points drawn so far in this font, straight from
    // the code point (no face lookup, no key); emptied with the glyph cache.
    std::unordered_map<char32_t, const RenderedGlyph*> drawn;
};

struct FontEngine::Impl {
    FT_Library library = nullptr;
    FontResolver resolver;
    GlyphFile glyphFile;
    std::map<FaceFile, FT_Face> faces;
    std::map<std::pair<FT_Face, FT_F26Dot6>, FT_Size> sizes;
    std::map<std::string, std::unique_ptr<FontInstance> > instances;

    struct GlyphKey {
        FT_Size size;
        bool bold, italic;
        char32_t cp;
        bool operator==(const GlyphKey&) const = default;
    };
    struct GlyphKeyHash {
        std::size_t operator()(const GlyphKey& k) const {
            return std::hash<const void*>()(k.size) ^ (std::size_t(k.cp) * 0x9E3779B97F4A7C15ull) ^
                   (std::size_t(k.bold) << 1) ^ std::size_t(k.italic);
        }
    };
    std::unordered_map<GlyphKey, RenderedGlyph, GlyphKeyHash> glyphs;
    GlyphCacheStats stats;
    std::size_t maxGlyphs = FontEngine::kDefaultMaxGlyphs;
    // The font asked for last, found again without building its key.
    FontInstance* lastInstance = nullptr;
    std::string lastName;
    int lastHeight = 0;
    unsigned lastStyle = 0;

    Impl();
    ~Impl();
    FontInstance& Instance(const TFont& font);
    FontInstance& Find(const TFont& font);
    FT_Face Face(const FaceFile& file);
    SizedFace Sized(const FaceFile& file, FT_F26Dot6 em, bool bold, bool italic);
    const SizedFace& FaceFor(FontInstance& font, char32_t cp);
    const RenderedGlyph& Glyph(FontInstance& font, char32_t cp);
    RenderedGlyph Render(const SizedFace& face, char32_t cp);
    bool RenderFresh(const SizedFace& face, char32_t cp, RenderedGlyph& out);
    // What the glyphs depend on besides the face files and the sizes.
    static std::string Renderer(FT_Library library);
};

}  // namespace dsp

#endif
