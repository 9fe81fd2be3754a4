#include "controls/custom_edit.h"

#include "controls/skin_sections.h"
#include "platform/text/utf8.h"

namespace dsp {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

TbsSkinCustomEdit::TbsSkinCustomEdit(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Edit));
    SetBounds(0, 0, 120, 20);
    SetTabStop(true);
}

void TbsSkinCustomEdit::SetButtonMode(bool on) {
    buttonMode_ = on;
    Invalidate();
}

Rect TbsSkinCustomEdit::TextRect() const {
    int inset = frameless_ ? 0 : 2;
    Rect r{inset, inset, Width() - inset, Height() - inset};
    if (buttonMode_) r.right -= Height();
    return r;
}

Rect TbsSkinCustomEdit::ButtonRect() const {
    if (!buttonMode_) return {};
    return {Width() - Height(), 0, Width(), Height()};
}

bool TbsSkinCustomEdit::AcceptsChar(char32_t& ch) { return !readOnly_ || (ch < U' ' && ch != 8); }

void TbsSkinCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TbsSkinCustomEdit::Beep() {
    if (OnBeep) OnBeep(this);
}

void TbsSkinCustomEdit::TextChanged() {
    caret_ = static_cast<int>(Text().size());
    Invalidate();
    Change();
}

EditTextVisual TbsSkinCustomEdit::TextVisual(const TFont& font) const {
    EditTextVisual v;
    v.rect = TextRect();
    v.text = Text();
    v.font = font;
    v.enabled = EnabledThroughParents();
    v.alignment = alignment_;
    v.caret = Focused();
    v.caretPos = caret_;
    return v;
}

void TbsSkinCustomEdit::PaintDefaultLook(LookContext& look) {
    TFont font = DefaultFont();
    if (!EnabledThroughParents()) font.SetColor(clGrayText);
    const EditVisual v{Width(),      Height(),       defaultColor_,   !frameless_,
                       ButtonRect(), buttonPressed_, TextVisual(font)};
    PaintEditDefault(look, v);
}

void TbsSkinCustomEdit::PaintBoxText(LookContext& look, const TFont& font) {
    PaintEditText(look, TextVisual(font));
}

void TbsSkinCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == kWmGetDlgCode) {
        message.Result = kDlgcWantArrows | kDlgcWantChars;
        return;
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinCustomEdit::Insert(const std::string& utf8) {
    std::string t = Text();
    if (maxLength_ > 0 && static_cast<int>(t.size() + utf8.size()) > maxLength_) return;
    size_t at = static_cast<size_t>(caret_);
    t.insert(at, utf8);
    SetText(t);
    caret_ = std::min(static_cast<int>(at + utf8.size()), static_cast<int>(Text().size()));
    Invalidate();
}

void TbsSkinCustomEdit::EraseBefore() {
    if (caret_ <= 0) return;
    std::string t = Text();
    size_t end = static_cast<size_t>(caret_);
    size_t start = end - 1;
    while (start > 0 && IsContinuation(t[start])) --start;
    t.erase(start, end - start);
    SetText(t);
    caret_ = std::min(static_cast<int>(start), static_cast<int>(Text().size()));
    Invalidate();
}

void TbsSkinCustomEdit::EraseAfter() {
    std::string t = Text();
    size_t start = static_cast<size_t>(caret_);
    if (start >= t.size()) return;
    size_t end = start + 1;
    while (end < t.size() && IsContinuation(t[end])) ++end;
    t.erase(start, end - start);
    SetText(t);
    caret_ = std::min(static_cast<int>(start), static_cast<int>(Text().size()));
    Invalidate();
}

void TbsSkinCustomEdit::KeyDown(uint16_t& key, TShiftState shift) {
    TbsSkinCustomControl::KeyDown(key, shift);
    const int size = static_cast<int>(Text().size());
    switch (key) {
        case kVkLeft:
            while (caret_ > 0 && IsContinuation(Text()[static_cast<size_t>(--caret_)])) {
            }
            break;
        case kVkRight:
            if (caret_ < size) ++caret_;
            while (caret_ < size && IsContinuation(Text()[static_cast<size_t>(caret_)])) ++caret_;
            break;
        case kVkHome:
            caret_ = 0;
            break;
        case kVkEnd:
            caret_ = size;
            break;
        case kVkDelete:
            if (!readOnly_) EraseAfter();
            break;
        default:
            return;
    }
    Invalidate();
}

void TbsSkinCustomEdit::KeyPress(char32_t& key) {
    TbsSkinCustomControl::KeyPress(key);
    if (key == 0) return;
    if (!AcceptsChar(key)) {
        key = 0;
        Beep();
        return;
    }
    if (key == 8) {
        EraseBefore();
    } else if (key >= U' ') {
        Insert(EncodeUtf8(std::u32string(1, key)));
    }
}

void TbsSkinCustomEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && !Focused()) SetFocus();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && ButtonRect().Contains(Point{x, y})) {
        buttonPressed_ = true;
        Invalidate();
    }
}

void TbsSkinCustomEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!buttonPressed_) return;
    buttonPressed_ = false;
    Invalidate();
    if (ButtonRect().Contains(Point{x, y}) && OnButtonClick) OnButtonClick(this);
}

void TbsSkinCustomEdit::DoEnter() {
    TbsSkinCustomControl::DoEnter();
    caret_ = static_cast<int>(Text().size());
    Invalidate();
}

void TbsSkinCustomEdit::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    Invalidate();
}

void TbsSkinCustomEdit::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    Invalidate();
}

void TbsSkinCustomEdit::DoExit() {
    TbsSkinCustomControl::DoExit();
    FocusLost();
    Invalidate();
}

}  // namespace dsp
