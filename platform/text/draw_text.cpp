#include "platform/text/draw_text.h"

#include <algorithm>

#include "platform/text/utf8.h"

namespace dsp {
namespace {

int LineLeft(const Rect& rect, int width, unsigned format) {
    if (format & kDtCenter) return rect.left + (rect.Width() - width) / 2;
    if (format & kDtRight) return rect.right - width;
    return rect.left;
}

int TextTop(const Rect& rect, int height, unsigned format) {
    if (!(format & kDtSingleLine)) return rect.top;
    if (format & kDtVCenter) return rect.top + (rect.Height() - height) / 2;
    if (format & kDtBottom) return rect.bottom - height;
    return rect.top;
}

void DrawOneLine(FontEngine& engine, Canvas& canvas, const TFont& font, const TextLine& line, Point at,
                 int lineHeight, unsigned format, std::optional<Color> background) {
    if (background) canvas.FillRect({at.x, at.y, at.x + line.width, at.y + lineHeight}, *background);
    // Runs between tabs and control characters go out whole.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.text.size(); ++i) {
        if (i < line.text.size() && line.text[i] >= 0x20) continue;
        if (i > start) {
            engine.DrawLine(canvas, font, {at.x + line.x[start], at.y},
                            std::u32string_view(line.text).substr(start, i - start), font.Color());
        }
        start = i + 1;
    }
    if (format & kDtHidePrefix) return;
    for (std::size_t i = 0; i < line.text.size(); ++i) {
        if (!line.marked[i]) continue;
        const int right = i + 1 < line.text.size() ? line.x[i + 1] : line.width;
        canvas.FillRect(engine.UnderlineStroke(font, at.x + line.x[i], right - line.x[i]).Offset(0, at.y),
                        font.Color());
    }
}

}  // namespace

int TextBlock::Width() const {
    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    return widest;
}

TextBlock LayOutTextBlock(FontEngine& engine, const TFont& font, std::string_view text, int width,
                          unsigned format) {
    return {LayoutText(engine, font, DecodeUtf8(text), width, format), engine.Metrics(font).height};
}

void DrawTextBlock(FontEngine& engine, Canvas& canvas, const TFont& font, const TextBlock& block,
                   const Rect& rect, unsigned format, std::optional<Color> background) {
    const bool clip = !(format & kDtNoClip);
    if (clip) canvas.PushClip(rect);
    int y = TextTop(rect, block.Height(), format);
    for (const TextLine& line : block.lines) {
        DrawOneLine(engine, canvas, font, line, {LineLeft(rect, line.width, format), y}, block.lineHeight,
                    format, background);
        y += block.lineHeight;
    }
    if (clip) canvas.PopClip();
}

int DrawText(FontEngine& engine, Canvas& canvas, const TFont& font, std::string_view text, Rect& rect,
             unsigned format, std::optional<Color> background) {
    const TextBlock block = LayOutTextBlock(engine, font, text, rect.Width(), format);
    if (format & kDtCalcRect) {
        rect.right = rect.left + block.Width();
        rect.bottom = rect.top + block.Height();
    } else {
        DrawTextBlock(engine, canvas, font, block, rect, format, background);
    }
    return block.Height();
}

}  // namespace dsp
