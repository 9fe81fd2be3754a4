#pragma once
// TImage: a picture shown unscaled from the control's top-left corner (the
// banner). What lies outside the control is cut off.

#include "platform/framework/control.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

class TImage : public TGraphicControl {
  public:
    explicit TImage(TComponent* owner);

    const Bitmap& Picture() const { return picture_; }
    void SetPicture(Bitmap picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

  protected:
    void Paint() override;

  private:
    Bitmap picture_;
    bool stretch_ = false;
};

}  // namespace dsp
