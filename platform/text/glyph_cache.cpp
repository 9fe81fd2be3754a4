// Rendering glyphs with FreeType and keeping them.

#include <freetype/ftoutln.h>

#include <cstring>

#include "platform/text/font_engine_impl.h"

namespace dsp {

const RenderedGlyph& FontEngine::Impl::Glyph(FontInstance& font, char32_t cp) {
    if (auto known = font.drawn.find(cp); known != font.drawn.end()) {
        ++stats.hits;
        return *known->second;
    }
    const SizedFace& face = FaceFor(font, cp);
    const GlyphKey key{face.size, face.fakeBold, face.fakeItalic, cp};
    auto it = glyphs.find(key);
    if (it != glyphs.end()) {
        ++stats.hits;
    } else {
        ++stats.misses;
        if (glyphs.size() >= maxGlyphs) {  // no glyph reference outlives one Glyph() call
            glyphs.clear();
            for (auto& [name, instance] : instances) instance->drawn.clear();
        }
        it = glyphs.emplace(key, Render(face, cp)).first;
    }
    font.drawn.emplace(cp, &it->second);
    return it->second;
}

RenderedGlyph FontEngine::Impl::Render(const SizedFace& face, char32_t cp) {
    RenderedGlyph out;
    FT_Activate_Size(face.size);
    if (FT_Load_Char(face.face, cp, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return out;
    FT_GlyphSlot slot = face.face->glyph;
    const int em = int(face.size->metrics.x_ppem);
    int extra = 0;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (face.fakeBold) {
            // The platform's imitated bold is one pixel wider per glyph.
            const FT_Pos strength = std::max<FT_Pos>(64, em * 64 / 14);
            FT_Outline_EmboldenXY(&slot->outline, strength, 0);
            extra = int((strength + 32) >> 6);
        }
        if (face.fakeItalic) {
            const FT_Matrix shear{0x10000, 0x3800, 0, 0x10000};  // about 12 degrees
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    out.advance = int((slot->advance.x + 32) >> 6) + extra;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return out;
    const FT_Bitmap& bm = slot->bitmap;
    out.width = int(bm.width);
    out.rows = int(bm.rows);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.coverage.resize(std::size_t(out.width) * std::size_t(out.rows));
    for (int y = 0; y < out.rows; ++y) {
        const unsigned char* src = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
        std::memcpy(out.coverage.data() + std::size_t(y) * std::size_t(out.width), src,
                    std::size_t(out.width));
    }
    return out;
}

}  // namespace dsp
