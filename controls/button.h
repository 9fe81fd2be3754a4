#pragma once
// TbsSkinButton: a push button with optional latching (Down, GroupIndex),
// auto-repeat and default/cancel roles. The rules live in ButtonModel.

#include "controls/model/button_model.h"
#include "controls/skin_custom_control.h"
#include "controls/timer_port.h"

namespace dsp {

class TbsSkinButton : public TbsSkinCustomControl {
  public:
    explicit TbsSkinButton(TComponent* owner);

    bool Down() const { return model_.Down(); }
    void SetDown(bool down) { model_.SetDown(down); }
    int GroupIndex() const { return model_.GroupIndex(); }
    void SetGroupIndex(int index) { model_.SetGroupIndex(index); }
    bool AllowAllUp() const { return model_.AllowAllUp(); }
    void SetAllowAllUp(bool allow) { model_.SetAllowAllUp(allow); }
    bool RepeatMode() const { return model_.RepeatMode(); }
    void SetRepeatMode(bool on) { model_.SetRepeatMode(on); }
    int RepeatInterval() const { return model_.RepeatInterval(); }
    void SetRepeatInterval(int ms) { model_.SetRepeatInterval(ms); }
    bool CanFocused() const { return model_.CanFocused(); }
    void SetCanFocused(bool can);
    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    int ModalResult() const { return model_.ModalResult(); }
    void SetModalResult(int result) { model_.SetModalResult(result); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { spacing_ = spacing; }

    bool CanFocus() const override { return model_.CanFocused() && TbsSkinCustomControl::CanFocus(); }
    ButtonModel& Model() { return model_; }

  protected:
    void PaintDefaultLook(Bitmap& bitmap) override;
    // Drawn in the default look also when skinned, until this kind draws
    // from its section.
    void PaintSkinLook(Bitmap& bitmap) override { PaintDefaultLook(bitmap); }
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void TimerFired(uint32_t id) override { model_.OnTimer(static_cast<int>(id)); }
    void TextChanged() override { Repaint(); }
    void EnabledChanged() override;

  private:
    bool DrawnDown() const;

    ControlTimerPort timers_{*this};
    ButtonModel model_{timers_};
    bool default_ = false;
    bool cancel_ = false;
    int spacing_ = 1;
};

}  // namespace dsp
