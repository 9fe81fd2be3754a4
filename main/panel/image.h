#pragma once
// TImage: a picture shown unscaled from the control's top-left corner (the
// banner). What lies outside the control is cut off. A stored (JPEG) picture
// is decoded only as far down as the control shows it: the banner's first
// rows at start-up, the rest when it is stretched, grows or is asked for.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/framework/control.h"
#include "platform/graphics/bitmap.h"

namespace dsp {

class TImage : public TGraphicControl {
  public:
    explicit TImage(TComponent* owner);

    // The whole picture (a stored one is decoded in full first).
    const Bitmap& Picture() const { return Rows(kMaxBitmapSide); }
    void SetPicture(Bitmap picture);
    // Takes a JPEG file; the rows the control shows now are decoded at once,
    // so a damaged file throws InvalidJpeg here.
    void SetJpeg(std::span<const std::uint8_t> file);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);

  protected:
    void Paint() override;

  private:
    // The picture with at least its first `rows` rows decoded.
    const Bitmap& Rows(int rows) const;

    mutable std::vector<std::uint8_t> jpeg_;  // the stored picture while not all decoded
    mutable Bitmap picture_;
    mutable int height_ = 0;  // the whole picture's
    bool stretch_ = false;
};

}  // namespace dsp
