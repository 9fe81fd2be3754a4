// Rendering glyphs with FreeType and keeping them.

#include <freetype/ftoutln.h>

#include <cstring>
#include <limits>

#include "platform/sys/process_env.h"
#include "platform/text/font_engine_impl.h"

namespace dsp {
namespace {

constexpr FT_Int32 kLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP;
constexpr FT_Render_Mode kRenderMode = FT_RENDER_MODE_NORMAL;
// The platform's imitated bold is one pixel wider per glyph (at least), its
// imitated italic slanted by about 12 degrees.
constexpr int kBoldEmDivisor = 14;
constexpr FT_Fixed kItalicShear = 0x3800;

}  // namespace

// Everything here that shapes a glyph's pixels, and the library's version and
// the properties its environment sets (hinting engines among them): a change
// to any gives stored glyphs that may differ from fresh ones.
std::string FontEngine::Impl::Renderer(FT_Library library) {
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    return "freetype " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) +
           " load " + std::to_string(kLoadFlags) + " mode " + std::to_string(int(kRenderMode)) + " bold 1/" +
           std::to_string(kBoldEmDivisor) + " shear " + std::to_string(kItalicShear) + " properties " +
           EnvironmentVariable("FREETYPE_PROPERTIES");
}

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

// From the glyph file when it has the glyph; else rendered, and kept there
// when rendering succeeded.
RenderedGlyph FontEngine::Impl::Render(const SizedFace& face, char32_t cp) {
    RenderedGlyph out;
    if (face.em <= 0 || face.em > std::numeric_limits<std::int32_t>::max()) {
        RenderFresh(face, cp, out);
        return out;
    }
    const GlyphFileKey key{face.stored, (face.fakeBold ? 1u : 0u) | (face.fakeItalic ? 2u : 0u),
                           std::uint32_t(face.em), std::uint32_t(cp)};
    if (std::optional<RenderedGlyph> kept = glyphFile.Find(key)) {
        ++stats.fromFile;
        return std::move(*kept);
    }
    if (RenderFresh(face, cp, out)) glyphFile.Add(key, out);
    return out;
}

bool FontEngine::Impl::RenderFresh(const SizedFace& face, char32_t cp, RenderedGlyph& out) {
    FT_Activate_Size(face.size);
    if (FT_Load_Char(face.face, cp, kLoadFlags) != 0) return false;
    FT_GlyphSlot slot = face.face->glyph;
    const int em = int(face.size->metrics.x_ppem);
    int extra = 0;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (face.fakeBold) {
            const FT_Pos strength = std::max<FT_Pos>(64, em * 64 / kBoldEmDivisor);
            FT_Outline_EmboldenXY(&slot->outline, strength, 0);
            extra = int((strength + 32) >> 6);
        }
        if (face.fakeItalic) {
            const FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    out.advance = int((slot->advance.x + 32) >> 6) + extra;
    if (FT_Render_Glyph(slot, kRenderMode) != 0) return false;
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
    return true;
}

}  // namespace dsp
