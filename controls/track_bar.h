#pragma once
// TbsSkinTrackBar: an integer value picker drawn as a track with a draggable
// thumb; the window's vertical faders. The value model is TrackBarValue; this
// class adds the mouse, keys, wheel and looks.

#include "controls/look/track_bar_look.h"
#include "controls/look/track_bar_skin_look.h"
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

    // Reads the section's track area, thumb pictures and orientation too:
    // a found section's `vertical` replaces the property.
    void ReadSkinData() override;
    void ForgetSkinData() override;
    // What the skinned look draws now (its picture is null without a
    // track bar section).
    TrackBarSkinVisual SkinVisual() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnStartDragButton;

  protected:
    // The painter draws what Visual computes; the font engine comes from the
    // application object.
    void PaintDefaultLook(LookContext& look) override;
    TrackBarVisual Visual() const;
    void PaintSkinLook(LookContext& look) override;
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
    TrackBarSize ThumbSize() const;
    int JumpMargin() const;
    // An erase request from outside our own paint: draw the whole control
    // into the given canvas, so a parent can take it into its picture.
    void EraseInto(Canvas* canvas);

    // The section's parts, in the section's picture (the track area in
    // control coordinates at the skin's own size).
    struct SkinParts {
        bool found = false;
        Rect trackArea;
        Rect button;
        Rect activeButton;
        Rect activeSkin;
        bool buttonTransparent = false;
        Color buttonTransparentColor = 0;
    };
    SkinParts skin_;

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
