#include "controls/look/combo_box_look.h"

#include "controls/look/default_look.h"
#include "controls/look/skin_piece.h"
#include "controls/look/text_paint.h"
#include "skin/data_skin_lists.h"

namespace dsp {
namespace {

Rect ButtonSource(const ComboBoxVisual& v, const TbsDataSkinComboBox& s) {
    // Each state's picture only when the skin has one; else the body shows.
    if (!v.enabled) return SkinRect(s.UnEnabledButtonRect);
    if (v.buttonPressed && v.buttonHot) return SkinRect(s.DownButtonRect);
    if (v.buttonHot) return SkinRect(s.ActiveButtonRect);
    return {};
}

}  // namespace

void PaintComboBoxDefault(LookContext& look, const ComboBoxVisual& v) {
    Canvas& canvas = look.canvas;
    const Rect all{0, 0, v.width, v.height};
    const TFont& font = *v.font;
    canvas.FillRect(all, clBtnFace);
    canvas.FrameRect(all, clBtnShadow);
    canvas.FillRect({1, 1, all.right - 1, all.bottom - 1}, v.textAreaColor);
    PartState state = v.buttonPressed && v.buttonHot ? PartState::Pressed
                      : v.buttonHot                  ? PartState::Hot
                                                     : PartState::Normal;
    DrawStatePart(canvas, v.button, state);
    DrawSpinArrow(canvas, v.button, false, v.enabled ? clBlack : clBtnShadow);
    PaintText(look, font, v.enabled ? font.Color() : clGrayText, v.text,
              {v.textArea.left + 2, v.textArea.top, v.textArea.right, v.textArea.bottom},
              kDtLeft | kDtVCenter | kDtSingleLine | kDtNoPrefix);
}

bool PaintComboBoxActiveBody(LookContext& look, const ComboBoxVisual& v, const ComboBoxSkinParts& parts) {
    const TbsDataSkinComboBox& s = parts.section;
    if (!(v.hot || v.dropped || v.focused) || s.ActiveSkinRect.IsEmpty()) return false;
    const Rect source = SkinRect(s.ActiveSkinRect);
    DrawThreePiece(look.canvas, parts.picture, source, Axis::Horizontal, s.LTPoint.X,
                   s.SkinRect.Width() - s.RTPoint.X, {0, 0, v.width, source.Height()},
                   s.StretchEffect ? PieceFill::Stretch : PieceFill::Repeat);
    return true;
}

void PaintComboBoxSkin(LookContext& look, const ComboBoxVisual& v, const ComboBoxSkinParts& parts) {
    const TbsDataSkinComboBox& s = parts.section;
    const Bitmap& picture = parts.picture;
    Canvas& canvas = look.canvas;
    const Rect button = ButtonSource(v, s);
    if (!button.IsEmpty()) canvas.CopyRect(v.button.TopLeft(), picture, button);

    const TRect& item = v.focused ? s.FocusItemRect : (v.hot || v.dropped) ? s.ActiveItemRect : s.ItemRect;
    const bool stretch = v.focused ? s.FocusItemStretchEffect : s.ItemStretchEffect;
    const Rect itemDest{v.textArea.left, v.textArea.top, v.textArea.right, v.textArea.top + item.Height()};
    DrawThreePiece(canvas, picture, SkinRect(item), Axis::Horizontal, s.ItemLeftOffset, s.ItemRightOffset,
                   itemDest, stretch ? PieceFill::Stretch : PieceFill::Repeat);

    Rect text = SkinRect(s.ItemTextRect).Offset(v.textArea.TopLeft());
    text.right += v.textArea.Width() - s.ItemRect.Width();
    const TColor color = v.focused ? s.FocusFontColor : v.hot ? s.ActiveFontColor : s.FontColor;
    PaintText(look, *v.font, SkinColor(color), v.text, text,
              kDtLeft | kDtVCenter | kDtSingleLine | kDtNoPrefix);
    if (s.ShowFocus && v.focused) canvas.DrawFocusRect(itemDest);
}

}  // namespace dsp
