#include "platform/text/font_engine.h"

#include <algorithm>

#include "platform/text/font_engine_impl.h"
#include "platform/text/utf8.h"

namespace dsp {

FontEngine::FontEngine(std::size_t maxGlyphs) : impl_(std::make_unique<Impl>()) {
    impl_->maxGlyphs = std::max<std::size_t>(maxGlyphs, 1);
}
FontEngine::~FontEngine() = default;

TextMetrics FontEngine::Metrics(const TFont& font) { return impl_->Instance(font).metrics; }

int FontEngine::CharWidth(const TFont& font, char32_t cp) {
    return impl_->Glyph(impl_->Instance(font), cp).advance;
}

int FontEngine::TextWidth(const TFont& font, std::u32string_view text) {
    FontInstance& inst = impl_->Instance(font);
    int width = 0;
    for (char32_t cp : text) width += impl_->Glyph(inst, cp).advance;
    return width;
}

Size FontEngine::TextExtent(const TFont& font, std::string_view text) {
    return {TextWidth(font, DecodeUtf8(text)), Metrics(font).height};
}

void FontEngine::DrawLine(Canvas& canvas, const TFont& font, Point cell, std::u32string_view text,
                          Color color) {
    FontInstance& inst = impl_->Instance(font);
    const int baseline = cell.y + inst.metrics.ascent;
    int x = cell.x;
    for (char32_t cp : text) {
        const RenderedGlyph& g = impl_->Glyph(inst, cp);
        if (!g.coverage.empty()) {
            canvas.BlendCoverage({x + g.left, baseline - g.top}, g.coverage.data(), g.width, g.rows, g.width,
                                 color);
        }
        x += g.advance;
    }
    const int width = x - cell.x;
    if (width <= 0) return;
    if (font.Style() & fsUnderline) {
        canvas.FillRect({cell.x, cell.y + inst.underline.top, x, cell.y + inst.underline.bottom}, color);
    }
    if (font.Style() & fsStrikeOut) {
        canvas.FillRect({cell.x, cell.y + inst.strikeOut.top, x, cell.y + inst.strikeOut.bottom}, color);
    }
}

void FontEngine::TextOut(Canvas& canvas, const TFont& font, Point cell, std::string_view text) {
    DrawLine(canvas, font, cell, DecodeUtf8(text), font.Color());
}

Rect FontEngine::UnderlineStroke(const TFont& font, int x, int width) {
    const Rect& u = impl_->Instance(font).underline;
    return {x, u.top, x + width, u.bottom};
}

GlyphCacheStats FontEngine::CacheStats() const {
    GlyphCacheStats s = impl_->stats;
    s.glyphs = impl_->glyphs.size();
    return s;
}

void FontEngine::ResetCacheStats() { impl_->stats = {}; }

}  // namespace dsp
