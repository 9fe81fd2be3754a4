#include "controls/look/edit_look.h"

#include "controls/look/default_look.h"
#include "controls/look/text_paint.h"

namespace dsp {
namespace {

unsigned DisabledAlign(TAlignment a) {
    if (a == TAlignment::taRightJustify) return kDtRight;
    if (a == TAlignment::taCenter) return kDtCenter;
    return kDtLeft;
}

void PaintCaret(LookContext& look, const EditTextVisual& v, int left) {
    const std::string_view before = v.text.substr(0, static_cast<std::size_t>(v.caretPos));
    const int x = left + look.fonts.TextExtent(v.font, before).cx;
    const int h = TextHeight(look.fonts, v.font);
    const int top = v.rect.top + (v.rect.Height() - h) / 2;
    look.canvas.DrawLine({x, top}, {x, top + h}, v.font.Color());
}

}  // namespace

void PaintEditText(LookContext& look, const EditTextVisual& v) {
    const Rect& t = v.rect;
    const unsigned align = v.enabled ? kDtLeft : DisabledAlign(v.alignment);
    const Rect textRect = v.enabled ? Rect{t.left + 1, t.top, t.right, t.bottom}
                                    : Rect{t.left + 2, t.top, t.right - 1, t.bottom};
    PaintText(look, v.font, v.font.Color(), v.text, textRect,
              align | kDtVCenter | kDtSingleLine | kDtNoPrefix);
    if (v.enabled && v.caret) PaintCaret(look, v, textRect.left);
}

void PaintEditDefault(LookContext& look, const EditVisual& v) {
    Canvas& c = look.canvas;
    const Rect all{0, 0, v.width, v.height};
    c.FillRect(all, v.color);
    if (v.frame) {
        c.FrameRect(all, clBtnShadow);
        c.FrameRect({1, 1, all.right - 1, all.bottom - 1}, clBtnFace);
    }
    if (!v.button.IsEmpty()) {
        DrawStatePart(c, v.button, v.buttonPressed ? PartState::Pressed : PartState::Normal);
        DrawSpinArrow(c, v.button, false, clBlack);
    }
    PaintEditText(look, v.text);
}

}  // namespace dsp
