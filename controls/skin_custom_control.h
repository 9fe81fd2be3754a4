#pragma once
// TbsSkinCustomControl: adds the default font and size used without a skin,
// the fitting of a skin section's rectangle to the control's size, the body
// image composed from the section's picture, and the window region cut from
// the section's mask with the same plan, so the shape matches the picture.

#include "controls/look/paint_memo.h"
#include "controls/look/skin_parts.h"
#include "controls/skin_control.h"
#include "platform/text/font.h"
#include "skin/compose/skin_body.h"
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

    // Copies the section's geometry, stretch keys and pictures (a section of
    // another kind, or a picture index outside the list, gives none).
    void ReadSkinData() override;
    // Without a section: the default size, if any. With one: the size fitted
    // to the section; the region and a repaint follow.
    void ApplySkinData() override;
    void ForgetSkinData() override;
    // A skinned control keeps the section's size along its fixed axes; after
    // a resize the region follows, and with a stretched body the children
    // hear that the picture behind them changed.
    void SetBounds(int left, int top, int width, int height) override;

    virtual void DefaultFontChanged() {}
    // Fits a requested size to the section (modes 0, 2 and 3 keep the
    // section's size along their fixed axes) and moves the anchors with it.
    virtual void CalcSkinSize(int& width, int& height);
    // The region from the section's mask; none without one.
    virtual void UpdateWindowRegion();

    SkinResizeMode ResizeMode() const { return resizeMode_; }
    const SkinFit& Fit() const { return fit_; }
    const SkinAnchors& Anchors() const { return anchors_; }
    const SkinStretch& Stretch() const { return stretch_; }
    // The section's pictures in the skin data's list; nullptr for none.
    const Bitmap* SkinPicture() const { return picture_; }
    const Bitmap* SkinMask() const { return mask_; }

  protected:
    // Fills the client rectangle with the button face colour.
    void PaintDefaultLook(LookContext& look) override;
    // The section's body over the whole control, by the resize mode; a
    // control with force-background in mode 1 takes its client part only
    // when draw-background is on. Blank without a picture. The body is
    // composed once per size (over the button face) and copied whole.
    void PaintSkinLook(LookContext& look) override;
    // For a look that begins with PaintSkinLook: a picture covers all.
    bool BodyCoversAll() const { return picture_ != nullptr; }
    BodyCache& Bodies() { return bodies_; }
    // What a skinned painter draws `section` from; only with a picture.
    template <class Section>
    SkinParts<Section> SkinPartsOf(const Section& section) const {
        return {*picture_, section, {anchors_, stretch_, resizeMode_}};
    }

    SkinAnchors anchors_;
    SkinStretch stretch_;
    SkinResizeMode resizeMode_ = SkinResizeMode::None;
    SkinFit fit_;
    const Bitmap* picture_ = nullptr;
    const Bitmap* mask_ = nullptr;
    bool forceBackground_ = false;
    bool drawBackground_ = true;

  private:
    BodyCache bodies_;
    void ForgetSection();
    void TellChildrenBackgroundChanged();
    PiecePlan BodyPlan() const;

    TFont defaultFont_{"Arial", 14};
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
};

}  // namespace dsp
