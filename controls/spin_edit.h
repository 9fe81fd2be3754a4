#pragma once
// TbsSkinSpinEdit: a numeric box with an up and a down button drawn by the
// control. OnChange fires on every set of Value (also of the same value) but
// never again from a set made inside its own OnChange handler.

#include <memory>

#include "controls/custom_edit.h"
#include "controls/look/spin_edit_look.h"
#include "controls/model/spin_buttons.h"
#include "controls/model/spin_edit_value.h"
#include "controls/number_properties.h"
#include "controls/timer_port.h"

namespace dsp {

class TbsSkinSpinEdit : public TbsSkinCustomControl, public NumberProperties<SpinEditValue> {
  public:
    explicit TbsSkinSpinEdit(TComponent* owner);

    void SetValue(double v) { model_.SetValue(v); }
    bool EditorEnabled() const { return model_.EditorEnabled(); }
    void SetEditorEnabled(bool on) { model_.SetEditorEnabled(on); }
    Color DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(Color c);

    // Keep the skin section's height and button geometry (else the buttons
    // split the control's own height at the section's right end).
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool on);
    // The pointer is over the control or its box, or the box has the focus:
    // the active body and font colour.
    bool Hot() const;
    // The inner box's font and colour by the skin rules.
    TFont BoxFont() const;

    void ApplySkinData() override;
    void ForgetSkinData() override;
    void CalcSkinSize(int& width, int& height) override;

    TbsSkinCustomEdit& Box() const { return *box_; }
    const SpinButtons& Buttons() const { return buttons_; }
    void SetBounds(int left, int top, int width, int height) override;

    int MaxLength() const { return box_->MaxLength(); }
    void SetMaxLength(int n) { box_->SetMaxLength(n); }

    TNotifyEvent OnChange;
    TNotifyEvent OnBeep;
    // Forwarded from the inner box.
    TKeyEvent OnEditKeyDown;
    TKeyPressEvent OnEditKeyPress;
    TKeyEvent OnEditKeyUp;
    TNotifyEvent OnEditEnter;
    TNotifyEvent OnEditExit;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    // The body (the active one while hot), then the hot or pressed button
    // pictures over it.
    void PaintSkinLook(LookContext& look) override;
    void MouseEnter() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void TimerFired(uint32_t id) override { buttons_.OnTimer(static_cast<int>(id)); }
    void EnabledChanged() override;

  private:
    class InnerBox;
    friend class InnerBox;
    SpinEditVisual Visual(const SpinEditLayout& layout) const;
    SpinEditVisual SkinVisual(const TbsDataSkinSpinEditControl& s) const;
    // The body alone (what lies under the inner box).
    void PaintSkinBody(LookContext& look, const TbsDataSkinSpinEditControl& s);
    void Layout();
    void HotChanged();

    ControlTimerPort timers_{*this};
    SpinButtons buttons_{timers_};
    TbsSkinCustomEdit* box_ = nullptr;  // an InnerBox, owned through the component tree
    Color defaultColor_ = clWindow;
    bool showingBox_ = false;
    bool useSkinSize_ = true;
    bool hover_ = false;
    bool boxHover_ = false;
};

}  // namespace dsp
