#include "platform/text/draw_text.h"

#include <algorithm>

#include "platform/text/text_layout.h"
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

int DrawText(FontEngine& engine, Canvas& canvas, const TFont& font, std::string_view text, Rect& rect,
             unsigned format, std::optional<Color> background) {
    const std::vector<TextLine> lines = LayoutText(engine, font, DecodeUtf8(text), rect.Width(), format);
    const int lineHeight = engine.Metrics(font).height;
    const int height = lineHeight * int(lines.size());
    if (format & kDtCalcRect) {
        int widest = 0;
        for (const TextLine& line : lines) widest = std::max(widest, line.width);
        rect.right = rect.left + widest;
        rect.bottom = rect.top + height;
        return height;
    }
    const bool clip = !(format & kDtNoClip);
    if (clip) canvas.PushClip(rect);
    int y = TextTop(rect, height, format);
    for (const TextLine& line : lines) {
        DrawOneLine(engine, canvas, font, line, {LineLeft(rect, line.width, format), y}, lineHeight, format,
                    background);
        y += lineHeight;
    }
    if (clip) canvas.PopClip();
    return height;
}

}  // namespace dsp
