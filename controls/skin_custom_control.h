#pragma once
// TbsSkinCustomControl: adds the default font and size used without a skin,
// the fitting of a skin section's rectangle to the control's size, and the
// window region cut from the section's mask.

#include "controls/skin_control.h"
#include "platform/text/font.h"
#include "skin/compose/skin_fit.h"

namespace dsp {

class TbsSkinCustomControl : public TbsSkinControl {
  public:
    explicit TbsSkinCustomControl(TComponent* owner);

    const TFont& DefaultFont() const { return defaultFont_; }
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font);
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use) { useSkinFont_ = use; }

    void ReadSkinData() override;
    void ApplySkinData() override;
    void SetBounds(int left, int top, int width, int height) override;

    virtual void DefaultFontChanged() {}
    // Fits a requested size to the section (modes 0, 2 and 3 keep the
    // section's size along their fixed axes) and moves the anchors with it.
    virtual void CalcSkinSize(int& width, int& height);
    // The region from the section's mask; none without one.
    virtual void UpdateWindowRegion();

    SkinResizeMode ResizeMode() const { return resizeMode_; }
    const SkinFit& Fit() const { return fit_; }

  protected:
    // Fills the client rectangle with the button face colour.
    void PaintDefaultLook(Bitmap& bitmap) override;

    SkinAnchors anchors_;
    SkinResizeMode resizeMode_ = SkinResizeMode::None;
    SkinFit fit_;
    bool forceBackground_ = false;
    bool drawBackground_ = true;

  private:
    TFont defaultFont_{"Arial", 14};
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
};

}  // namespace dsp
