// FontEngine's GDI side: fonts, metrics, fallback choice and glyph rendering.

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/sys/win32/wide_text.h"
#include "platform/text/font_engine_impl.h"

// After our headers: windows.h defines the character set names that TFont's
// own enumeration uses as macros.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace dsp {
namespace {

// A font with height 0 gets the interface's usual character height.
constexpr int kDefaultEmPixels = 11;

// Faces with the Chinese characters, in the order they are tried: Windows'
// own, then those a Linux system (and Wine on it) has.
constexpr const wchar_t* kCjkFaces[] = {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Micro Hei",
                                        L"Noto Sans CJK SC"};

const MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};

std::string InstanceKey(const TFont& font) {
    std::string key;
    for (char c : font.Name()) key += char(std::tolower(static_cast<unsigned char>(c)));
    return key + '|' + std::to_string(font.Height()) + '|' +
           std::to_string(font.Style() & (fsBold | fsItalic));
}

HFONT MakeFont(const std::wstring& face, int height, bool bold, bool italic) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = ANTIALIASED_QUALITY;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

}  // namespace

FontEngine::Impl::Impl() {
    dc = CreateCompatibleDC(nullptr);
    if (!dc) throw std::runtime_error("GDI could not make a device context for text");
    SetMapMode(static_cast<HDC>(dc), MM_TEXT);
}

FontEngine::Impl::~Impl() {
    for (auto& [key, inst] : instances) {
        DeleteObject(static_cast<HFONT>(inst->primary));
        for (void* f : inst->fallbacks) DeleteObject(static_cast<HFONT>(f));
    }
    DeleteDC(static_cast<HDC>(dc));
}

FontInstance& FontEngine::Impl::Instance(const TFont& font) {
    const std::string key = InstanceKey(font);
    if (auto it = instances.find(key); it != instances.end()) return *it->second;

    auto inst = std::make_unique<FontInstance>();
    inst->faceName = Widen(font.Name());
    inst->lfHeight = font.Height() != 0 ? font.Height() : -kDefaultEmPixels;
    inst->bold = font.Style() & fsBold;
    inst->italic = font.Style() & fsItalic;
    HFONT handle = MakeFont(inst->faceName, inst->lfHeight, inst->bold, inst->italic);
    if (!handle) throw std::runtime_error("GDI could not make the font " + font.Name());
    inst->primary = handle;

    HDC hdc = static_cast<HDC>(dc);
    SelectObject(hdc, handle);
    TEXTMETRICW tm{};
    GetTextMetricsW(hdc, &tm);
    TextMetrics& m = inst->metrics;
    m.height = tm.tmHeight;
    m.ascent = tm.tmAscent;
    m.descent = tm.tmDescent;
    m.internalLeading = tm.tmInternalLeading;

    int thickness = std::max(1, int(tm.tmHeight / 14));
    int below = std::max(1, int(tm.tmDescent / 2));
    int strikePos = int(tm.tmAscent / 3), strikeSize = thickness;
    if (UINT size = GetOutlineTextMetricsW(hdc, 0, nullptr); size > 0) {
        std::vector<unsigned char> buffer(size);
        auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (GetOutlineTextMetricsW(hdc, size, otm)) {
            thickness = std::max(1, int(otm->otmsUnderscoreSize));
            below = std::clamp(int(-otm->otmsUnderscorePosition), 1, std::max(1, m.descent - thickness));
            strikePos = otm->otmsStrikeoutPosition;
            strikeSize = std::max(1, int(otm->otmsStrikeoutSize));
        }
    }
    inst->underline = {0, m.ascent + below - thickness / 2, 1, m.ascent + below - thickness / 2 + thickness};
    inst->strikeOut = {0, m.ascent - strikePos, 1, m.ascent - strikePos + strikeSize};

    FontInstance& ref = *inst;
    instances[key] = std::move(inst);
    ref.metrics.aveCharWidth = Glyph(ref, U'x').advance;
    return ref;
}

bool FontEngine::Impl::HasGlyph(void* font, char32_t cp) {
    if (cp > 0xFFFF) return false;
    HDC hdc = static_cast<HDC>(dc);
    SelectObject(hdc, static_cast<HFONT>(font));
    const wchar_t ch = wchar_t(cp);
    WORD index = 0xFFFF;
    return GetGlyphIndicesW(hdc, &ch, 1, &index, GGI_MARK_NONEXISTING_GLYPHS) == 1 && index != 0xFFFF;
}

void FontEngine::Impl::MakeFallbacks(FontInstance& font) {
    font.fallbacksMade = true;
    for (const wchar_t* face : kCjkFaces) {
        if (HFONT f = MakeFont(face, font.lfHeight, font.bold, font.italic)) font.fallbacks.push_back(f);
    }
}

// Controls draw in few characters; the choice is kept per code point.
void* FontEngine::Impl::FontFor(FontInstance& font, char32_t cp) {
    if (auto it = font.chosen.find(cp); it != font.chosen.end()) return it->second;
    void* found = font.primary;  // its missing-glyph box when nothing has it
    if (cp >= 0x80 && !HasGlyph(font.primary, cp)) {
        if (!font.fallbacksMade) MakeFallbacks(font);
        for (void* f : font.fallbacks) {
            if (HasGlyph(f, cp)) {
                found = f;
                break;
            }
        }
    }
    font.chosen.emplace(cp, found);
    return found;
}

const RenderedGlyph& FontEngine::Impl::Glyph(FontInstance& font, char32_t cp) {
    void* face = FontFor(font, cp);
    const GlyphKey key{face, cp};
    if (auto it = glyphs.find(key); it != glyphs.end()) {
        ++stats.hits;
        return it->second;
    }
    ++stats.misses;
    if (glyphs.size() >= maxGlyphs) glyphs.clear();  // no glyph reference outlives one Glyph() call
    return glyphs.emplace(key, Render(face, cp)).first->second;
}

// GGO_GRAY8_BITMAP gives 65 levels (0..64) in rows padded to four bytes.
RenderedGlyph FontEngine::Impl::Render(void* font, char32_t cp) {
    RenderedGlyph out;
    if (cp > 0xFFFF) cp = 0xFFFD;
    HDC hdc = static_cast<HDC>(dc);
    SelectObject(hdc, static_cast<HFONT>(font));
    GLYPHMETRICS gm{};
    const DWORD size = GetGlyphOutlineW(hdc, UINT(cp), GGO_GRAY8_BITMAP, &gm, 0, nullptr, &kIdentity);
    if (size == GDI_ERROR) {
        SIZE extent{};
        const wchar_t ch = wchar_t(cp);
        if (GetTextExtentPoint32W(hdc, &ch, 1, &extent)) out.advance = extent.cx;
        return out;
    }
    out.advance = gm.gmCellIncX;
    if (size == 0) return out;  // a space: an advance and nothing to draw
    std::vector<unsigned char> buffer(size);
    if (GetGlyphOutlineW(hdc, UINT(cp), GGO_GRAY8_BITMAP, &gm, size, buffer.data(), &kIdentity) == GDI_ERROR)
        return out;
    out.width = int(gm.gmBlackBoxX);
    out.rows = int(gm.gmBlackBoxY);
    out.left = gm.gmptGlyphOrigin.x;
    out.top = gm.gmptGlyphOrigin.y;
    const std::size_t pitch = (std::size_t(out.width) + 3) & ~std::size_t(3);
    out.coverage.resize(std::size_t(out.width) * std::size_t(out.rows));
    for (int y = 0; y < out.rows && (std::size_t(y) + 1) * pitch <= buffer.size(); ++y) {
        for (int x = 0; x < out.width; ++x) {
            const unsigned level = std::min(64u, unsigned(buffer[std::size_t(y) * pitch + std::size_t(x)]));
            out.coverage[std::size_t(y) * std::size_t(out.width) + std::size_t(x)] =
                std::uint8_t((level * 255 + 32) / 64);
        }
    }
    return out;
}

}  // namespace dsp
