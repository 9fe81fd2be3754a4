#pragma once
// TbsSkinButton: a push button with optional latching (Down, GroupIndex),
// auto-repeat and default/cancel roles. The rules live in ButtonModel.

#include <optional>

#include "controls/look/button_skin_painter.h"
#include "controls/model/button_look.h"
#include "controls/model/button_model.h"
#include "controls/model/frame_animator.h"
#include "controls/model/morph_animator.h"
#include "controls/skin_custom_control.h"
#include "controls/timer_port.h"

namespace dsp {

class TbsSkinButton : public TbsSkinCustomControl {
  public:
    explicit TbsSkinButton(TComponent* owner);
    ~TbsSkinButton() override;

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

    // Keep the skin picture's size rules (else the picture is scaled to the
    // button's own size).
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool on);
    // Take the caption colours from the skin (else DefaultFont's colour
    // while enabled).
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool on) {
        useSkinFontColor_ = on;
        Invalidate();
    }

    bool CanFocus() const override { return model_.CanFocused() && TbsSkinCustomControl::CanFocus(); }
    ButtonModel& Model() { return model_; }
    const MorphAnimator& Morph() const { return morph_; }
    const FrameAnimator& Frames() const { return frames_; }
    // The state the picture rules read, and the picture they choose now
    // (Normal without a skin section).
    ButtonLookState LookState() const;
    ButtonPicture SkinPicture() const;
    // The font and colour the caption is drawn with now.
    TFont CaptionFont();

    void ApplySkinData() override;
    void ForgetSkinData() override;
    void CalcSkinSize(int& width, int& height) override;

    static constexpr int kMorphTimerId = 2;
    static constexpr int kFrameTimerId = 3;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    void PaintSkinLook(LookContext& look) override;
    // A morph step covers the whole button: no face fill goes under it.
    bool SkinLookCoversAll() const override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void TimerFired(uint32_t id) override;
    void TextChanged() override { Repaint(); }
    void EnabledChanged() override;

  private:
    bool DrawnDown() const;
    ButtonSkinVisual SkinVisual();
    // The parts of the visual that choose how the body is drawn.
    ButtonSkinVisual BodyVisual() const;
    // Effects on in the skin data, and the section found.
    bool SkinEffects() const;
    // Hover or focus changed: the morph and the frames head for the look.
    void AnimateToLook();
    void DownChanged();
    void StopAnimations();
    void ConfigureFrames();
    // A morph is starting: compose the two bodies it mixes, once for the
    // button's size and skin, so each step only mixes pixels.
    void PrepareMorphBodies();

    struct MorphBodies {
        Bitmap normal;
        Bitmap active;
    };
    std::optional<MorphBodies> morphBodies_;
    CaptionLayout captionLayout_;

    ControlTimerPort timers_{*this};
    ButtonModel model_{timers_};
    MorphAnimator morph_{timers_, kMorphTimerId};
    FrameAnimator frames_{timers_, kFrameTimerId};
    bool lastDown_ = false;
    bool useSkinSize_ = true;
    bool useSkinFontColor_ = true;
    bool default_ = false;
    bool cancel_ = false;
    int spacing_ = 1;
};

}  // namespace dsp
