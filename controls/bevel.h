#pragma once
// TbsSkinBevel: a line or a box in two shades: the section's lightcolor and
// darkcolor, or the system highlight and shadow without a section.

#include <string>

#include "controls/model/bevel_shape.h"
#include "controls/skin_link.h"
#include "platform/framework/control.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

class TbsSkinBevel : public TGraphicControl, public SkinLinked {
  public:
    explicit TbsSkinBevel(TComponent* owner);

    // Setting the skin data and a skin change look the colours up again.
    void SetSkinData(TbsSkinData* data) override;
    void ForgetSkinData() override;
    void ApplySkinData() override;
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape s);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle s);
    bool DividerMode() const { return dividerMode_; }
    void SetDividerMode(bool on);

    Color LightColor() const { return light_; }
    Color DarkColor() const { return dark_; }
    Bitmap PaintToBitmap(Color background);

  protected:
    void Paint() override;
    void SkinDataLost() override { ApplySkinData(); }
    void SkinDataNameChanged() override { ApplySkinData(); }

  private:
    void Draw(Canvas& canvas);
    void ReadColors();

    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
    bool dividerMode_ = false;
    Color light_ = clBtnHighlight;
    Color dark_ = clBtnShadow;
};

}  // namespace dsp
