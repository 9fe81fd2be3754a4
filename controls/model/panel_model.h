#pragma once
// The panel's caption-bar states: Checked (which may enable or disable the
// children) and the roll-up fold to the caption bar, with the default-look
// geometry of the caption bar and the children's client rectangle.

#include <functional>

#include "platform/graphics/geometry.h"

namespace dsp {

enum class TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

class PanelModel {
  public:
    using Event = std::function<void(PanelModel& sender)>;

    bool CaptionMode() const { return captionMode_; }
    void SetCaptionMode(bool on) { captionMode_ = on; }
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool on) { checkedMode_ = on; }
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void SetAutoEnabledControls(bool on) { autoEnabledControls_ = on; }
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool on) { rollUpMode_ = on; }
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int h) { defaultCaptionHeight_ = h; }
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle s) { borderStyle_ = s; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RollUpState() const { return rollUpState_; }
    // `height` is the panel's height now; `foldedHeight` the height folded to.
    // Returns the height to apply (unchanged when nothing folds).
    int SetRollUpState(bool state, int height, int foldedHeight);
    int RealHeight() const { return realHeight_; }
    // The folded height without skin: the caption bar and one pixel.
    int DefaultFoldedHeight() const { return defaultCaptionHeight_ + 1; }

    // Without skin: (1, 1, Width - 1, DefaultCaptionHeight).
    Rect DefaultCaptionHitRect(int width) const;
    // Without skin: drawn at (1, 1, Width - 1, h) with a border, else (0, 0, Width, h).
    Rect DefaultCaptionBar(int width) const;
    // The rectangle children are placed in, without skin.
    Rect DefaultClientRect(int width, int height) const;
    // A left release inside the caption bar toggles what the modes allow.
    // Returns the new height to apply when the fold changed.
    int CaptionClick(int height, int foldedHeight);

    Event OnChecked;
    Event OnChangeRollUpState;
    Event OnInvalidate;
    // With AutoEnabledControls and CheckedMode, Checked sets every child's Enabled.
    std::function<void(bool enabled)> SetChildrenEnabled;
    // Folding hides the children and unfolding shows them again.
    std::function<void(bool visible)> SetChildrenVisible;

  private:
    bool captionMode_ = false;
    bool checkedMode_ = false;
    bool autoEnabledControls_ = true;
    bool rollUpMode_ = false;
    int defaultCaptionHeight_ = 22;
    TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvFrame;
    bool checked_ = false;
    bool rollUpState_ = false;
    int realHeight_ = -1;
};

}  // namespace dsp
