#pragma once
// TbsSkinNumericEdit: an edit box that holds a number; the window's read-outs.
// OnChange fires for every change of the shown text and only then.

#include "controls/custom_edit.h"
#include "controls/model/numeric_edit_value.h"
#include "controls/number_properties.h"

namespace dsp {

class TbsSkinNumericEdit : public TbsSkinCustomEdit, public NumberProperties<NumericEditValue> {
  public:
    explicit TbsSkinNumericEdit(TComponent* owner);

    void SetValue(double v);
    bool SupportUpDownKeys() const { return model_.SupportUpDownKeys(); }
    void SetSupportUpDownKeys(bool on) { model_.SetSupportUpDownKeys(on); }

    // With a section: the moved client rectangle, inside the skin's frame.
    Rect TextRect() const override;

  protected:
    // The section's frame and body, then the text in the section's font and
    // colours (a disabled read-out draws its text itself, aligned).
    void PaintSkinLook(LookContext& look) override;
    bool AcceptsChar(char32_t& ch) override;
    void Change() override;
    void FocusLost() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

  private:
    void ShowModelText();

    bool syncing_ = false;
};

}  // namespace dsp
