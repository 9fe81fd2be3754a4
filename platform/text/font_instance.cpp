// Resolving a TFont to faces, a size and the platform's metrics.

#include <freetype/tttables.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "platform/text/font_engine_impl.h"

namespace dsp {
namespace {

// A font with height 0 gets the interface's usual character height.
constexpr int kDefaultEmPixels = 11;

std::string InstanceKey(const TFont& font) {
    std::string key;
    for (char c : font.Name()) key += char(std::tolower(static_cast<unsigned char>(c)));
    return key + '|' + std::to_string(font.Height()) + '|' +
           std::to_string(font.Style() & (fsBold | fsItalic));
}

// The face's ascent and descent in font units as the platform measures cells.
std::pair<int, int> CellUnits(FT_Face face) {
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        return {os2->usWinAscent, os2->usWinDescent};
    }
    return {face->ascender, -face->descender};
}

int Round(double v) { return int(std::lround(v)); }

FT_Library StartFreeType() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType could not start");
    return library;
}

}  // namespace

FontEngine::Impl::Impl() : library(StartFreeType()), glyphFile(GlyphFile::DefaultFile(), Renderer(library)) {}

FontEngine::Impl::~Impl() {
    try {
        glyphFile.Save();
    } catch (const std::exception&) {  // out of memory: the next run renders again
    }
    FT_Done_FreeType(library);  // frees every face and size
}

FT_Face FontEngine::Impl::Face(const FaceFile& file) {
    if (auto it = faces.find(file); it != faces.end()) return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) {
        throw std::runtime_error("cannot open font file " + file.path);
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    faces[file] = face;
    return face;
}

SizedFace FontEngine::Impl::Sized(const FaceFile& file, FT_F26Dot6 em, bool bold, bool italic) {
    SizedFace out;
    out.face = Face(file);
    auto& size = sizes[{out.face, em}];
    if (!size) {
        FT_New_Size(out.face, &size);
        FT_Activate_Size(size);
        FT_Set_Char_Size(out.face, 0, em, 72, 72);
    }
    out.size = size;
    out.fakeBold = bold && !file.bold;
    out.fakeItalic = italic && !file.italic;
    out.em = em;
    out.stored = glyphFile.Face(file.path, file.index);
    return out;
}

FontInstance& FontEngine::Impl::Instance(const TFont& font) {
    const unsigned style = font.Style() & (fsBold | fsItalic);
    if (lastInstance && font.Height() == lastHeight && style == lastStyle && font.Name() == lastName) {
        return *lastInstance;
    }
    FontInstance& found = Find(font);
    lastInstance = &found;
    lastName = font.Name();
    lastHeight = font.Height();
    lastStyle = style;
    return found;
}

FontInstance& FontEngine::Impl::Find(const TFont& font) {
    const std::string key = InstanceKey(font);
    if (auto it = instances.find(key); it != instances.end()) return *it->second;

    const bool bold = font.Style() & fsBold, italic = font.Style() & fsItalic;
    const FaceFile file = resolver.Resolve(font.Name(), bold, italic);
    FT_Face face = Face(file);
    const auto [ascUnits, descUnits] = CellUnits(face);
    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    double em = kDefaultEmPixels;
    if (font.Height() < 0) em = -font.Height();
    if (font.Height() > 0) em = font.Height() * upem / (ascUnits + descUnits);
    const double scale = em / upem;

    auto inst = std::make_unique<FontInstance>();
    inst->em = FT_F26Dot6(std::lround(em * 64));
    inst->primary = Sized(file, inst->em, bold, italic);
    inst->cjk = Sized(resolver.CjkFallback(), inst->em, bold, italic);
    TextMetrics& m = inst->metrics;
    m.ascent = Round(ascUnits * scale);
    m.height = font.Height() > 0 ? font.Height() : m.ascent + Round(descUnits * scale);
    m.descent = m.height - m.ascent;
    m.internalLeading = std::max(0, m.height - Round(em));

    const int thickness = std::max(1, Round(face->underline_thickness * scale));
    const int below =
        std::clamp(Round(-face->underline_position * scale), 1, std::max(1, m.descent - thickness));
    inst->underline = {0, m.ascent + below - thickness / 2, 1, m.ascent + below - thickness / 2 + thickness};
    int strikePos = Round(em * 0.26), strikeSize = thickness;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF) {
        strikePos = Round(os2->yStrikeoutPosition * scale);
        strikeSize = std::max(1, Round(os2->yStrikeoutSize * scale));
    }
    inst->strikeOut = {0, m.ascent - strikePos, 1, m.ascent - strikePos + strikeSize};

    FontInstance& ref = *inst;
    instances[key] = std::move(inst);
    ref.metrics.aveCharWidth = Glyph(ref, U'x').advance;
    return ref;
}

const SizedFace& FontEngine::Impl::FaceFor(FontInstance& font, char32_t cp) {
    if (FT_Get_Char_Index(font.primary.face, cp) != 0) return font.primary;
    if (FT_Get_Char_Index(font.cjk.face, cp) != 0) return font.cjk;
    auto it = font.otherFallbacks.find(cp);
    if (it == font.otherFallbacks.end()) {
        const FaceFile file = resolver.ForCodePoint(cp);
        SizedFace face = font.primary;  // the primary's missing-glyph box when nothing has it
        if (!file.path.empty()) face = Sized(file, font.em, font.primary.fakeBold, font.primary.fakeItalic);
        it = font.otherFallbacks.emplace(cp, face).first;
    }
    return it->second;
}

}  // namespace dsp
