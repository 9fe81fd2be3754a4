#include "platform/framework/message_box_look.h"

#include <algorithm>

#include "platform/text/draw_text.h"
#include "platform/text/font.h"
#include "platform/text/font_engine.h"

namespace dsp {
namespace {

constexpr Color kCaptionColour = SysColorRef(SysColor::ActiveCaption);
constexpr Color kCaptionTextColour = SysColorRef(SysColor::CaptionText);

constexpr int kMinWidth = 240;
constexpr int kMaxTextWidth = 420;
constexpr int kCaptionHeight = 22;
constexpr int kMargin = 16;
constexpr Size kButton{80, 26};

TFont TextFont(Color colour = clWindowText) { return TFont("MS Sans Serif", -12, 0, colour); }
TFont CaptionFont() { return TFont("MS Sans Serif", -12, fsBold, kCaptionTextColour); }

// Keeps [start, start + length) inside [low, high) where it fits; a box
// larger than the area keeps its first edge on the area.
int Clamp(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length)); }

}  // namespace

Rect CentredBox(Size size, const Rect& owner, const Rect& workArea) {
    const Rect& around = owner.IsEmpty() ? workArea : owner;
    const int left = around.left + (around.Width() - size.cx) / 2;
    const int top = around.top + (around.Height() - size.cy) / 2;
    return Rect::FromOriginSize(Clamp(left, size.cx, workArea.left, workArea.right),
                                Clamp(top, size.cy, workArea.top, workArea.bottom), size.cx, size.cy);
}

Rect WorkAreaAround(const Rect& owner, const std::vector<MonitorInfo>& monitors) {
    if (monitors.empty()) return {};
    const Point middle{owner.left + owner.Width() / 2, owner.top + owner.Height() / 2};
    if (!owner.IsEmpty())
        for (const MonitorInfo& m : monitors)
            if (m.bounds.Contains(middle)) return m.workArea;
    return monitors.front().workArea;
}

MessageBoxLook::MessageBoxLook() : engine_(std::make_unique<FontEngine>()) {}

MessageBoxLook::~MessageBoxLook() = default;

MessageBoxLayout MessageBoxLook::LayOut(const std::string& caption, const std::string& text,
                                        const Rect& owner, const Rect& workArea) {
    // Measuring draws nothing; the canvas only carries the call.
    Bitmap scratch(1, 1);
    Canvas canvas(scratch);
    Rect textExtent{0, 0, kMaxTextWidth, 0};
    DrawText(*engine_, canvas, TextFont(), text, textExtent, kDtCalcRect | kDtWordBreak | kDtNoPrefix);
    Rect captionExtent{0, 0, 0, 0};
    DrawText(*engine_, canvas, CaptionFont(), caption, captionExtent,
             kDtCalcRect | kDtSingleLine | kDtNoPrefix);

    const int width =
        std::max({kMinWidth, textExtent.Width() + 2 * kMargin, captionExtent.Width() + 2 * kMargin});
    MessageBoxLayout layout;
    layout.caption = {1, 1, width - 1, 1 + kCaptionHeight};
    layout.text = Rect::FromOriginSize(kMargin, layout.caption.bottom + kMargin, width - 2 * kMargin,
                                       textExtent.Height());
    layout.button =
        Rect::FromOriginSize((width - kButton.cx) / 2, layout.text.bottom + kMargin, kButton.cx, kButton.cy);
    const int height = layout.button.bottom + kMargin * 3 / 4;
    layout.bounds = CentredBox({width, height}, owner, workArea);
    return layout;
}

void MessageBoxLook::Paint(Canvas& canvas, const MessageBoxLayout& layout, const std::string& caption,
                           const std::string& text, bool pressed) {
    const Rect all{0, 0, layout.bounds.Width(), layout.bounds.Height()};
    canvas.FillRect(all, clBtnFace);
    canvas.Draw3DRect(all, clBtnHighlight, SysColorRef(SysColor::DkShadow3D));
    canvas.FillRect(layout.caption, kCaptionColour);
    Rect captionText = layout.caption.Inflate(-6, 0);
    DrawText(*engine_, canvas, CaptionFont(), caption, captionText,
             kDtLeft | kDtVCenter | kDtSingleLine | kDtNoPrefix | kDtEndEllipsis);
    Rect body = layout.text;
    DrawText(*engine_, canvas, TextFont(), text, body, kDtLeft | kDtWordBreak | kDtNoPrefix);
    canvas.FillRect(layout.button, clBtnFace);
    if (pressed)
        canvas.Draw3DRect(layout.button, clBtnShadow, clBtnHighlight);
    else
        canvas.Draw3DRect(layout.button, clBtnHighlight, clBtnShadow);
    Rect label = pressed ? layout.button.Offset(1, 1) : layout.button;
    DrawText(*engine_, canvas, TextFont(clBtnText), "OK", label,
             kDtCenter | kDtVCenter | kDtSingleLine | kDtNoPrefix);
}

}  // namespace dsp
