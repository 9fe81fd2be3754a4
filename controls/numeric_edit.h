#pragma once
// TbsSkinNumericEdit: an edit box that holds a number; the window's read-outs.
// OnChange fires for every change of the shown text and only then.

#include "controls/custom_edit.h"
#include "controls/model/numeric_edit_value.h"

namespace dsp {

class TbsSkinNumericEdit : public TbsSkinCustomEdit {
  public:
    explicit TbsSkinNumericEdit(TComponent* owner);

    double Value() const { return model_.Value(); }
    void SetValue(double v);
    double MinValue() const { return model_.MinValue(); }
    void SetMinValue(double v) { model_.SetMinValue(v); }
    double MaxValue() const { return model_.MaxValue(); }
    void SetMaxValue(double v) { model_.SetMaxValue(v); }
    double Increment() const { return model_.Increment(); }
    void SetIncrement(double v) { model_.SetIncrement(v); }
    bool SupportUpDownKeys() const { return model_.SupportUpDownKeys(); }
    void SetSupportUpDownKeys(bool on) { model_.SetSupportUpDownKeys(on); }
    TbsValueType ValueType() const { return model_.ValueType(); }
    void SetValueType(TbsValueType t) { model_.SetValueType(t); }
    int Decimal() const { return model_.Decimal(); }
    void SetDecimal(int d) { model_.SetDecimal(d); }

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

    NumericEditValue model_;
    bool syncing_ = false;
};

}  // namespace dsp
