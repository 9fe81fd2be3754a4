#include "controls/numeric_edit.h"

#include <algorithm>
#include <utility>

#include "controls/look/skin_text.h"
#include "skin/data_skin_edits.h"

namespace dsp {

TbsSkinNumericEdit::TbsSkinNumericEdit(TComponent* owner) : TbsSkinCustomEdit(owner) {
    syncing_ = true;
    SetText(model_.Text());
    syncing_ = false;
    model_.OnChange = [this](NumericEditValue&) {
        ShowModelText();
        TbsSkinCustomEdit::Change();
    };
}

Rect TbsSkinNumericEdit::TextRect() const {
    if (resizeMode_ == SkinResizeMode::None) return TbsSkinCustomEdit::TextRect();
    Rect r = dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()).clientRect;
    if (ButtonMode()) r.right = std::min(r.right, ButtonRect().left);
    return r;
}

void TbsSkinNumericEdit::PaintSkinLook(LookContext& look) {
    const auto* s = link_.Section<TbsDataSkinEditControl>();
    if (s == nullptr) {
        PaintDefaultLook(look);
        return;
    }
    // While hovered or focused the frame comes from the active picture,
    // cut as the normal one is.
    if (Hot() && picture_ != nullptr && !SkinRectEmpty(s->ActiveSkinRect)) {
        DrawSkinBody(look.canvas, *picture_, {anchors_, stretch_, resizeMode_}, SkinRect(s->ActiveSkinRect),
                     Width(), Height());
    } else {
        TbsSkinCustomControl::PaintSkinLook(look);
    }
    TFont font = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    Color color = SkinColor(s->FontColor);
    if (!EnabledThroughParents()) {
        color = SkinColor(s->DisabledFontColor);
    } else if (Focused()) {
        color = SkinColor(s->ActiveFontColor);
    }
    font.SetColor(color);
    PaintBoxText(look, font);
}

void TbsSkinNumericEdit::SetValue(double v) {
    model_.SetValue(v);
    Invalidate();
}

void TbsSkinNumericEdit::ShowModelText() {
    bool old = std::exchange(syncing_, true);
    SetText(model_.Text());
    syncing_ = old;
}

bool TbsSkinNumericEdit::AcceptsChar(char32_t& ch) {
    model_.SetReadOnly(ReadOnly());
    return model_.AcceptsKey(ch);
}

void TbsSkinNumericEdit::Change() {
    // The model fires for its own text changes; typed text goes to it here.
    if (syncing_) return;
    model_.SetText(Text());
    if (Text() != model_.Text()) ShowModelText();
}

void TbsSkinNumericEdit::FocusLost() { model_.FocusLost(); }

void TbsSkinNumericEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomEdit::KeyDown(key, shift);
    if (key == kVkUp) model_.KeyDown(NavKey::Up);
    if (key == kVkDown) model_.KeyDown(NavKey::Down);
}

}  // namespace dsp
