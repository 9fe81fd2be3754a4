#pragma once
// TbsSkinTrackBar: an integer value picker drawn as a track with a draggable
// thumb; the window's vertical faders. The value model is TrackBarValue; this
// class adds the mouse, keys, wheel and looks.

#include "controls/model/track_bar_geometry.h"
#include "controls/model/track_bar_value.h"
#include "controls/skin_custom_control.h"

namespace dsp {

class TbsSkinTrackBar : public TbsSkinCustomControl {
  public:
    explicit TbsSkinTrackBar(TComponent* owner);
    ~TbsSkinTrackBar() override;

    int MinValue() const { return value_.MinValue(); }
    void SetMinValue(int v) { value_.SetMinValue(v); }
    int MaxValue() const { return value_.MaxValue(); }
    void SetMaxValue(int v) { value_.SetMaxValue(v); }
    int Value() const { return value_.Value(); }
    void SetValue(int v) { value_.SetValue(v); }
    bool Vertical() const { return vertical_; }
    void SetVertical(bool vertical);
    bool JumpWhenClick() const { return jumpWhenClick_; }
    void SetJumpWhenClick(bool on) { jumpWhenClick_ = on; }
    bool MouseSupport() const { return mouseSupport_; }
    void SetMouseSupport(bool on) { mouseSupport_ = on; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool can);
    bool Dragging() const { return dragging_; }
    // The thumb as the last layout placed it (control coordinates).
    TrackBarLayout CurrentLayout() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnStartDragButton;

  protected:
    void PaintDefaultLook(Bitmap& bitmap) override;
    // Drawn in the default look also when skinned, until this kind draws
    // from its section.
    void PaintSkinLook(Bitmap& bitmap) override { PaintDefaultLook(bitmap); }
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, Point mousePos) override;
    void DoEnter() override;
    void DoExit() override;

  private:
    void FireLastChange();
    Rect Track() const;

    TrackBarValue value_;
    bool vertical_ = false;
    bool jumpWhenClick_ = false;
    bool mouseSupport_ = true;
    bool canFocused_ = false;
    bool dragging_ = false;
    int pressCoord_ = 0;
    int offsetAtPress_ = 0;
};

}  // namespace dsp
