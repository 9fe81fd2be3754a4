#pragma once
// TbsSkinCustomEdit: a single-line skinned edit box. It keeps its text in the
// control's Text, a caret, and draws the text itself (there is no native edit
// control under it). Typed characters pass AcceptsChar first; a rejected one
// is swallowed with a beep (OnBeep).

#include "controls/look/edit_look.h"
#include "controls/skin_custom_control.h"
#include "skin/skin_types.h"  // TAlignment

namespace dsp {

class TbsSkinCustomEdit : public TbsSkinCustomControl {
  public:
    explicit TbsSkinCustomEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a) { alignment_ = a; }
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool on);
    Color DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(Color c) { defaultColor_ = c; }
    // No frame: the box inside another control (the spin edit's).
    void SetFrameless(bool frameless) { frameless_ = frameless; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }
    int CaretPos() const { return caret_; }

    // The text area inside the frame (and left of the button).
    virtual Rect TextRect() const;
    Rect ButtonRect() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonClick;
    TNotifyEvent OnBeep;  // a key was rejected

  protected:
    // The typed character may go in; `ch` may be changed.
    virtual bool AcceptsChar(char32_t& ch);
    // The text changed, by typing or by SetText.
    virtual void Change();
    virtual void FocusLost() {}
    void Beep();

    void PaintDefaultLook(LookContext& look) override;
    // The skinned edit kinds (the read-out) draw from their section; the
    // plain box keeps its default look.
    void PaintSkinLook(LookContext& look) override { PaintDefaultLook(look); }
    // The text in the text area (and the caret while focused) in `font`,
    // with its colour, over what the bitmap holds.
    void PaintBoxText(LookContext& look, const TFont& font);
    void WndProc(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void TextChanged() override;
    // The skinned frame shows its active picture while hot.
    void MouseEnter() override;
    void MouseLeave() override;
    bool Hot() const { return MouseInControl() || Focused(); }

  private:
    EditTextVisual TextVisual(const TFont& font) const;
    void Insert(const std::string& utf8);
    void EraseBefore();
    void EraseAfter();

    bool readOnly_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool buttonMode_ = false;
    bool frameless_ = false;
    Color defaultColor_ = clWindow;
    int maxLength_ = 0;
    int caret_ = 0;  // byte offset into Text()
    bool buttonPressed_ = false;
};

}  // namespace dsp
