#pragma once
// TbsSkinControl: the base of the windowed skinned controls. It links the
// control to a skin data object and a section name, finds the section's index
// (-1: none, draw the default look) and paints the whole control through one
// off-screen bitmap, so it never flickers and erase requests are ignored.

#include <string>

#include "controls/look/look_context.h"
#include "controls/skin_link.h"
#include "platform/framework/win_control.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

class TbsSkinControl : public TCustomControl, public SkinLinked {
  public:
    explicit TbsSkinControl(TComponent* owner);

    // Stores the reference and, when it is set and not empty, applies it.
    void SetSkinData(TbsSkinData* data) override;
    const std::string& HintTitle() const { return hintTitle_; }
    void SetHintTitle(const std::string& title) { hintTitle_ = title; }
    int HintImageIndex() const { return hintImageIndex_; }
    void SetHintImageIndex(int index) { hintImageIndex_ = index; }

    // Refreshes the section index (and, in descendants, the section's data).
    virtual void ReadSkinData();
    // A new skin became current: read it and repaint.
    void ApplySkinData() override;
    // Before a skin change: back to the default look until it is applied.
    void ForgetSkinData() override { link_.Forget(); }
    virtual void SkinDataApplied() {}
    virtual void ParentBackgroundChanged() {}

    // Paints the control as it looks now into a bitmap of its size (what a
    // paint copies to the window; also used by tests and by parents).
    Bitmap PaintToBitmap();
    // Paints the control straight onto `canvas` (its (0, 0) at the canvas's
    // origin): the button face, then the default or the skinned look. The
    // canvas's clip keeps the work to what needs repainting.
    void PaintInto(Canvas& canvas);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

  protected:
    // The looks only read the control's state.
    virtual void PaintDefaultLook(LookContext& look) = 0;
    virtual void PaintSkinLook(LookContext& look) { PaintDefaultLook(look); }
    // The skinned look starts by covering every pixel (a picture of the
    // whole control), so the button face need not be filled under it.
    virtual bool SkinLookCoversAll() const { return false; }

    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool InPaint() const { return inPaint_; }
    void SkinDataLost() override { ApplySkinData(); }
    // Looks the new section up when the skin is in place and repaints.
    void SkinDataNameChanged() override;

  private:
    std::string hintTitle_;
    int hintImageIndex_ = 0;
    bool inPaint_ = false;
};

}  // namespace dsp
