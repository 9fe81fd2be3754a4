#pragma once
// TbsSkinPanel, TbsSkinGroupBox and TbsSkinStatusBar: skinned containers. A
// group box is a panel with a caption bar; the status bar a borderless panel
// along the bottom. Disabling a panel blocks its children's input (the
// framework does that through the parent) without changing their Enabled.

#include "controls/look/panel_look.h"
#include "controls/model/panel_model.h"
#include "controls/skin_custom_control.h"
#include "controls/text_align.h"

namespace dsp {

class TbsSkinPanel : public TbsSkinCustomControl {
  public:
    explicit TbsSkinPanel(TComponent* owner);

    bool CaptionMode() const { return model_.CaptionMode(); }
    void SetCaptionMode(bool on);
    bool CheckedMode() const { return model_.CheckedMode(); }
    void SetCheckedMode(bool on);
    bool Checked() const { return model_.Checked(); }
    void SetChecked(bool checked) { model_.SetChecked(checked); }
    bool AutoEnabledControls() const { return model_.AutoEnabledControls(); }
    void SetAutoEnabledControls(bool on) { model_.SetAutoEnabledControls(on); }
    bool RollUpMode() const { return model_.RollUpMode(); }
    void SetRollUpMode(bool on) { model_.SetRollUpMode(on); }
    bool RollUpState() const { return model_.RollUpState(); }
    void SetRollUpState(bool state);
    int RealHeight() const { return model_.RealHeight(); }
    int DefaultCaptionHeight() const { return model_.DefaultCaptionHeight(); }
    void SetDefaultCaptionHeight(int h);
    TAlignmentText DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignmentText a) {
        defaultAlignment_ = a;
        Invalidate();
    }
    TbsSkinBorderStyle BorderStyle() const { return model_.BorderStyle(); }
    void SetBorderStyle(TbsSkinBorderStyle s);
    // Keeps the skin's caption rectangle where the section has it, whatever
    // the panel's size.
    bool TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(bool on) {
        transparentMode_ = on;
        Invalidate();
    }

    // Where the children go: without skin inside the border and below the
    // caption bar, with one the section's client rectangle moved to the size.
    Rect ChildClientRect();
    // The section's caption rectangle moved to the panel's size; empty
    // without a skin or without a caption rectangle.
    Rect SkinCaptionRect();
    // The height the panel folds to: the caption bar and one pixel without
    // skin; with one, what the section has outside its client rectangle.
    int FoldedHeight();

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

  protected:
    void PaintDefaultLook(LookContext& look) override;
    // The section's body (or, for a borderless panel without a caption,
    // its client part repeated over the whole panel) and the caption.
    void PaintSkinLook(LookContext& look) override;
    bool SkinLookCoversAll() const override { return BodyCoversAll(); }
    // The frame and caption bar are the non-client area: children are placed
    // inside the frame and below the caption bar. The whole look is painted
    // with the non-client area, so the client paint has nothing left to do.
    void WndProc(TMessage& message) override;
    void Paint() override {}
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override { Repaint(); }
    void EnabledChanged() override { Invalidate(); }

    PanelModel model_;
    TAlignmentText defaultAlignment_ = TAlignmentText::Left;
    bool transparentMode_ = false;

  private:
    bool CoveredByClientPart() const;
    PanelVisual DefaultVisual() const;
    // Empty (nothing to draw) without a section or outside caption mode.
    PanelSkinCaptionVisual SkinCaptionVisual();
};

class TbsSkinGroupBox : public TbsSkinPanel {
  public:
    explicit TbsSkinGroupBox(TComponent* owner);
};

class TbsSkinStatusBar : public TbsSkinPanel {
  public:
    explicit TbsSkinStatusBar(TComponent* owner);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool on) {
        sizeGrip_ = on;
        Invalidate();
    }

  protected:
    void WndProc(TMessage& message) override;

  private:
    bool sizeGrip_ = false;
};

}  // namespace dsp
